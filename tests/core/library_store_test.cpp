#include "core/library/bookmark_store.h"
#include "core/library/library_file.h"
#include "core/library/library_location.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

class LibraryStore : public ::testing::Test {
protected:
    std::string dbPath() const { return (folder / "tilvane" / "library.db").string(); }
    std::string file(const std::string& name) const { return (folder / name).string(); }

    TempFolder folder;
};

std::vector<std::string> summary(BookmarkStore& store)
{
    std::vector<std::string> lines;
    for (const Bookmark& bookmark : store.list()) {
        std::string line = std::to_string(bookmark.pos.Sura) + ":" + std::to_string(bookmark.pos.Aya) + " [";
        for (const std::string& topic : bookmark.topics)
            line += topic + ";";
        lines.push_back(line + "] " + bookmark.note);
    }
    return lines;
}

} // namespace

TEST_F(LibraryStore, BookmarksTopicsAndNotesSurviveReopeningInQuranOrder)
{
    {
        BookmarkStore store(dbPath());
        EXPECT_TRUE(store.add({2, 255}));
        EXPECT_FALSE(store.add({2, 255}));
        store.setNote({2, 255}, "Ayat al-Kursi\nsecond line");
        store.addToTopic({2, 255}, "Protection");
        store.addToTopic({1, 5}, "Prayer");
        store.addToTopic({1, 5}, "Protection");
        store.add({114, 6});
        store.moveToTopic({114, 6}, kUnsortedTopic, "Prayer");
        store.renameTopic("Prayer", "Worship");
        store.moveToTopic({1, 5}, "Protection", kUnsortedTopic);
        store.addTopic("Empty");
    }
    BookmarkStore store(dbPath());
    EXPECT_EQ(summary(store), (std::vector<std::string>{"1:5 [Worship;] ", "2:255 [Protection;] Ayat al-Kursi\nsecond line",
                                                        "114:6 [Worship;] "}));
    EXPECT_EQ(store.topics(), (std::vector<std::string>{"Empty", "Protection", "Worship"}));
    EXPECT_EQ(store.bookmarkedAyas(1), std::vector<int>{5});

    // A topic that goes leaves its bookmarks unsorted; a removed bookmark comes back whole.
    store.removeTopic("Worship");
    const std::optional<Bookmark> removed = store.remove({2, 255});
    ASSERT_TRUE(removed);
    EXPECT_FALSE(store.contains({2, 255}));
    store.restore(*removed);
    EXPECT_EQ(summary(store), (std::vector<std::string>{"1:5 [] ", "2:255 [Protection;] Ayat al-Kursi\nsecond line", "114:6 [] "}));
    EXPECT_EQ(store.find({2, 255}), removed);

    for (const auto& [name, why] : std::vector<std::pair<std::string, std::string>>{
             {"", "empty"}, {"a\tb", "tab"}, {"a\nb", "line break"}, {kUnsortedTopic, "reserved"}})
        EXPECT_THROW(store.addTopic(name), TilvaneError) << why;
    EXPECT_THROW(store.add({2, 287}), TilvaneError);
    EXPECT_THROW(store.add({115, 1}), TilvaneError);
}

TEST(LibraryNotes, MergingKeepsBothTextsOnceSeparated)
{
    const std::string both = "mine\n\n--- imported note ---\ntheirs";
    const struct {
        std::string existing, incoming, merged;
    } cases[] = {
        {"", "theirs", "theirs"}, {"mine", "", "mine"}, {"same", "same", "same"},
        {"mine", "theirs", both}, {both, "theirs", both}, {both, "mine", both},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mergedNote(c.existing, c.incoming), c.merged) << c.existing << " + " << c.incoming;
}

TEST_F(LibraryStore, ExportThenImportOnAFreshFolderGivesTheSameLibraryAndMergesWithoutDuplicates)
{
    BookmarkStore source(dbPath());
    source.addToTopic({2, 255}, "Protection");
    source.setNote({2, 255}, "Ayat al-Kursi");
    source.add({1, 1});
    source.addTopic("Later");
    exportLibrary(source, file("export.json"));
    EXPECT_NE(readFile(file("export.json")).find("\"version\": 1"), std::string::npos);

    BookmarkStore fresh(file("fresh/library.db"));
    fresh.setNote({2, 255}, "my own note");
    fresh.addToTopic({3, 7}, "Protection");
    const ImportSummary first = importLibrary(fresh, file("export.json"));
    EXPECT_EQ(first.bookmarks, 2);
    EXPECT_EQ(first.added, 1);
    EXPECT_EQ(importLibrary(fresh, file("export.json")).added, 0);
    EXPECT_EQ(summary(fresh), (std::vector<std::string>{"1:1 [] ", "2:255 [Protection;] my own note\n\n--- imported note ---\nAyat al-Kursi",
                                                       "3:7 [Protection;] "}));
    EXPECT_EQ(fresh.topics(), (std::vector<std::string>{"Later", "Protection"}));

    BookmarkStore copy(file("copy/library.db"));
    importLibrary(copy, file("export.json"));
    EXPECT_EQ(copy.list(), source.list());
}

TEST_F(LibraryStore, AMalformedOrForeignFileIsRefusedWithItsNameAndChangesNothing)
{
    BookmarkStore store(dbPath());
    store.addToTopic({2, 255}, "Protection");
    const std::vector<std::string> before = summary(store);
    const std::string head = R"({"format": "tilvane-library", "version": 1, )";
    const struct {
        std::string text, reason;
    } cases[] = {
        {"not json", "not a JSON file"},
        {R"({"bookmarks": []})", "not a Tilvane bookmark file"},
        {R"([1, 2])", "not a Tilvane bookmark file"},
        {R"({"format": "tilvane-library", "version": 2, "bookmarks": []})", "version 2"},
        {head + R"("topics": ["new"]})", "has no \"bookmarks\""},
        {head + R"("bookmarks": [{"sura": 1, "aya": 1}, {"sura": 2, "aya": 287}]})", "bookmark 2 names no aya"},
        {head + R"("bookmarks": [{"sura": "2", "aya": 1}]})", "wrong type"},
        {head + R"("bookmarks": [{"sura": 2, "aya": 1, "topics": ["a\tb"]}]})", "tabs or line breaks"},
        {head + R"("bookmarks": [{"sura": 2, "aya": 1, "note": 5}]})", "wrong type"},
    };
    for (const auto& c : cases) {
        writeFile(file("in.json"), c.text);
        try {
            importLibrary(store, file("in.json"));
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const TilvaneError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(file("in.json")), std::string::npos) << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
        EXPECT_EQ(summary(store), before) << c.text;
    }
    EXPECT_THROW(importLibrary(store, file("missing.json")), TilvaneError);
}

TEST_F(LibraryStore, ADamagedOrNewerFileIsRefusedAndADamagedOneCanBeMovedAsideUntouched)
{
    std::filesystem::create_directories(folder / "tilvane");
    const std::string garbage(8192, 'x');
    writeFile(dbPath(), garbage);
    try {
        BookmarkStore store(dbPath());
        FAIL() << "opened a damaged file";
    } catch (const LibraryError& error) {
        EXPECT_EQ(error.kind(), LibraryError::Kind::Damaged);
        EXPECT_NE(std::string(error.what()).find(dbPath()), std::string::npos);
    }
    const std::string aside = moveLibraryAside(dbPath());
    EXPECT_EQ(readFile(aside), garbage);
    BookmarkStore fresh(dbPath());
    EXPECT_TRUE(fresh.list().empty());

    sqlite3* db = nullptr;
    sqlite3_open(file("newer.db").c_str(), &db);
    sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    try {
        BookmarkStore store(file("newer.db"));
        FAIL() << "opened a newer file";
    } catch (const LibraryError& error) {
        EXPECT_EQ(error.kind(), LibraryError::Kind::Newer);
    }
}

// Two programs writing at the same time: every change of both arrives, none is lost.
TEST_F(LibraryStore, TwoProcessesWritingAtOnceLoseNothing)
{
    BookmarkStore(dbPath()).addTopic("Shared");
    constexpr int kPerProcess = 120;
    std::vector<pid_t> children;
    for (int child = 0; child < 2; ++child) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                BookmarkStore store(dbPath(), 20000);
                for (int aya = 1; aya <= kPerProcess; ++aya) {
                    store.addToTopic({2 + child, aya}, "Shared");
                    store.setNote({2 + child, aya}, "from " + std::to_string(child));
                }
            } catch (const std::exception&) {
                status = 1;
            }
            _exit(status);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    BookmarkStore store(dbPath());
    EXPECT_EQ(store.list().size(), 2u * kPerProcess);
    EXPECT_EQ(store.bookmarkedAyas(3).size(), static_cast<std::size_t>(kPerProcess));
    EXPECT_EQ(store.find({3, kPerProcess})->note, "from 1");
}
