#include "core/library/bookmark_store.h"
#include "core/library/library_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;
using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

const std::string kBadUtf8[] = {std::string("\xFF"), std::string("note \xC3"), std::string("\xC0\xAF"),
                                std::string("\xED\xA0\x80"), std::string("\xF4\x90\x80\x80")};

class LibraryGuard : public ::testing::Test {
protected:
    std::string dbPath() const { return (folder / "lib" / "library.db").string(); }
    std::string file(const std::string& name) const { return (folder / name).string(); }

    TempFolder folder;
};

// A change the store refused: its message, or "" when it went through.
std::string refusal(const std::function<void()>& change)
{
    try {
        change();
    } catch (const TilvaneError& error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST_F(LibraryGuard, TextThatIsNotUtf8NeverEntersAndStoredBytesStillExport)
{
    BookmarkStore store(dbPath());
    store.addToTopic({2, 255}, "Protection");
    for (const std::string& bad : kBadUtf8) {
        SCOPED_TRACE(testing::PrintToString(bad));
        EXPECT_NE(refusal([&] { store.setNote({2, 255}, bad); }).find("UTF-8"), std::string::npos);
        EXPECT_NE(refusal([&] { store.addTopic("topic " + bad); }).find("UTF-8"), std::string::npos);
        EXPECT_NE(refusal([&] { store.addToTopic({1, 1}, bad); }).find("UTF-8"), std::string::npos);
        EXPECT_NE(refusal([&] { store.renameTopic("Protection", bad); }).find("UTF-8"), std::string::npos);
    }
    EXPECT_EQ(refusal([&] { store.setNote({2, 255}, "Āyat al-Kursī \xF0\x9F\x93\x96"); }), "");
    EXPECT_EQ(store.topics(), std::vector<std::string>{"Protection"});

    // Bytes an older version let in: the export replaces them rather than failing.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "UPDATE bookmark SET note = CAST(X'41FF42' AS TEXT)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    exportLibrary(store, file("out.json"));
    EXPECT_NE(readFile(file("out.json")).find("A\xEF\xBF\xBD" "B"), std::string::npos);
    BookmarkStore copy(file("copy/library.db"));
    EXPECT_EQ(importLibrary(copy, file("out.json")).bookmarks, 1);
}

// A library that cannot be written still lists and exports, creates nothing beside itself,
// and each change says "read-only" and leaves the file as it was.
TEST_F(LibraryGuard, AReadOnlyLibraryListsExportsAndRefusesEachChangeAsReadOnly)
{
    {
        BookmarkStore store(dbPath());
        store.addToTopic({2, 255}, "Protection");
        store.setNote({2, 255}, "kept");
    }
    const std::string before = readFile(dbPath());
    for (const bool forced : {false, true}) {
        SCOPED_TRACE(forced ? "opened read-only" : "a file without write permission");
        fs::permissions(dbPath(), forced ? fs::perms::owner_read | fs::perms::owner_write : fs::perms::owner_read);
        BookmarkStore store(dbPath(), 2000, forced ? BookmarkStore::Access::ReadOnly : BookmarkStore::Access::Auto);
        EXPECT_TRUE(store.readOnly());
        ASSERT_EQ(store.list().size(), 1u);
        EXPECT_EQ(store.list()[0].note, "kept");
        exportLibrary(store, file("out.json"));
        EXPECT_NE(readFile(file("out.json")).find("Protection"), std::string::npos);

        const std::vector<std::pair<const char*, std::function<void()>>> changes = {
            {"add", [&] { store.add({1, 1}); }},
            {"remove", [&] { store.remove({2, 255}); }},
            {"note", [&] { store.setNote({2, 255}, "new"); }},
            {"topic", [&] { store.addTopic("New"); }},
            {"rename", [&] { store.renameTopic("Protection", "Shield"); }},
            {"drop topic", [&] { store.removeTopic("Protection"); }},
            {"file under", [&] { store.addToTopic({1, 1}, "New"); }},
            {"move", [&] { store.moveToTopic({2, 255}, "Protection", kUnsortedTopic); }},
            {"restore", [&] { store.restore(Bookmark{{1, 1}, {}, "x", {}}); }},
            {"import", [&] { importLibrary(store, file("out.json")); }},
        };
        for (const auto& [what, change] : changes) {
            const std::string message = refusal(change);
            EXPECT_NE(message.find("is read-only"), std::string::npos) << what << ": " << message;
        }
        EXPECT_EQ(store.list().size(), 1u);
    }
    EXPECT_EQ(readFile(dbPath()), before);
    EXPECT_FALSE(fs::exists(dbPath() + "-shm"));
    EXPECT_FALSE(fs::exists(dbPath() + "-wal"));
}

// However many entries of a file name one aya, the result is that of merging them in turn.
TEST_F(LibraryGuard, AnImportGathersRepeatedAyatAsMergingThemInTurnWould)
{
    BookmarkStore store(dbPath());
    store.setNote({2, 255}, "A");
    const std::string head = R"({"format": "tilvane-library", "version": 1, "bookmarks": [)";
    writeFile(file("in.json"), head + R"({"sura": 2, "aya": 255, "note": "A"},
        {"sura": 2, "aya": 255, "note": "B", "topics": ["T"]},
        {"sura": 2, "aya": 255, "note": "A"}, {"sura": 2, "aya": 255, "note": "C", "topics": ["T", "U"]},
        {"sura": 1, "aya": 1, "created": "2026-01-31T12:00:00Z"}, {"sura": 1, "aya": 1, "created": "2027-01-01T00:00:00Z"},
        {"sura": 1, "aya": 1, "topics": ["U"]}]})");

    const ImportSummary summary = importLibrary(store, file("in.json"));
    EXPECT_EQ(summary.bookmarks, 7);
    EXPECT_EQ(summary.added, 1);
    const std::vector<Bookmark> list = store.list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (Bookmark{{1, 1}, {"U"}, "", "2026-01-31T12:00:00Z"}));
    const std::string separator = kImportedNoteSeparator;
    EXPECT_EQ(list[1].note, "A" + separator + "B" + separator + "C");
    EXPECT_EQ(list[1].topics, (std::vector<std::string>{"T", "U"}));
    EXPECT_EQ(importLibrary(store, file("in.json")).added, 0);
    EXPECT_EQ(store.list(), list) << "a second import changes nothing";

    writeFile(file("bad.json"), head + R"({"sura": 1, "aya": 1}, 7]})");
    EXPECT_NE(refusal([&] { importLibrary(store, file("bad.json")); }).find("bookmark 2 is not an object"),
              std::string::npos);
    EXPECT_EQ(store.list(), list);
}
