#include "child_process.h"
#include "export_runner.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>

using namespace tilvane::test;

namespace {

class BookmarksCommand : public ::testing::Test {
protected:
    ExportRun bookmarks(const std::vector<std::string>& args)
    {
        return runProgram(TILVANE_BOOKMARKS_BINARY, args, home / "tmp", home / "data");
    }
    std::string dataDir(const std::string& name) const { return (home / name).string(); }

    TempFolder home;
};

} // namespace

TEST_F(BookmarksCommand, ExitCodesSayWhetherTheArgumentsOrTheFilesWereWrong)
{
    std::filesystem::create_directories(home / "damaged");
    writeFile(home / "damaged" / "library.db", std::string(4096, 'x'));
    writeFile(home / "foreign.json", R"({"some": "thing"})");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    } cases[] = {
        {{}, 2, "no command given"},
        {{"lists"}, 2, "not a command: lists"},
        {{"add", "2-255"}, 2, "not a SURA:AYA position: 2-255"},
        {{"add", "2:287"}, 2, "There is no aya 2:287."},
        {{"add", "2:255", "--topic"}, 2, "unexpected argument: --topic"},
        {{"add", "2:255", "--topic", "Unsorted"}, 2, "kept for bookmarks without a topic"},
        {{"export"}, 2, "not a command: export"},
        {{"--data-dir", dataDir("damaged"), "list"}, 1, dataDir("damaged") + "/library.db\" is damaged"},
        {{"import", dataDir("foreign.json")}, 1, dataDir("foreign.json") + "\": it is not a Tilvane bookmark file"},
        {{"export", dataDir("no/such/folder.json")}, 1, "Unable to write to " + dataDir("no/such/folder.json")},
    };
    for (const auto& c : cases) {
        const ExportRun run = bookmarks(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST_F(BookmarksCommand, AddedBookmarksListInQuranOrderAndTravelToAFreshFolder)
{
    EXPECT_EQ(bookmarks({"add", "2:255", "--topic", "Protection", "--topic", "Night", "--note", "Kursi\tverse\nmore"}).exitCode, 0);
    EXPECT_EQ(bookmarks({"add", "1:1"}).exitCode, 0);
    const std::string listed = "1:1\tUnsorted\t\n2:255\tNight\tKursi verse\n2:255\tProtection\tKursi verse\n";
    EXPECT_EQ(bookmarks({"list"}).out, listed);
    EXPECT_TRUE(std::filesystem::exists(home / "data" / "tilvane" / "library.db"));

    ASSERT_EQ(bookmarks({"export", dataDir("all.json")}).exitCode, 0);
    const ExportRun imported = bookmarks({"--data-dir", dataDir("fresh"), "import", dataDir("all.json")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "Imported 2 bookmarks (2 new) and 2 topics from " + dataDir("all.json") + "\n");
    EXPECT_EQ(bookmarks({"--data-dir", dataDir("fresh"), "list"}).out, listed);
}

// Text that is not UTF-8 is refused at the door; a read-only library still lists and says
// why a change is refused; an export through a link keeps the link.
TEST_F(BookmarksCommand, BadTextIsRefusedAReadOnlyLibraryListsAndAnExportKeepsTheLink)
{
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    } refused[] = {
        {{"add", "2:255", "--note", "caf\xE9"}, 2, "A note must be UTF-8 text."},
        {{"add", "2:255", "--topic", "\xFF"}, 2, "A topic name must be UTF-8 text."},
    };
    for (const auto& c : refused) {
        const ExportRun run = bookmarks(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    ASSERT_EQ(bookmarks({"add", "2:255", "--note", "café"}).exitCode, 0);
    EXPECT_EQ(bookmarks({"list"}).out, "2:255\tUnsorted\tcafé\n");

    std::filesystem::create_directories(home / "elsewhere");
    std::filesystem::create_symlink(home / "elsewhere" / "saved.json", home / "link.json");
    EXPECT_EQ(bookmarks({"export", dataDir("link.json")}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(home / "link.json"));
    EXPECT_NE(readFile(home / "elsewhere" / "saved.json").find("café"), std::string::npos);

    const std::filesystem::path library = home / "data" / "tilvane" / "library.db";
    std::filesystem::permissions(library, std::filesystem::perms::owner_read);
    EXPECT_EQ(bookmarks({"list"}).out, "2:255\tUnsorted\tcafé\n");
    const ExportRun change = bookmarks({"add", "1:1"});
    EXPECT_EQ(change.exitCode, 1);
    EXPECT_NE(change.err.find(library.string() + "\" is read-only"), std::string::npos) << change.err;
}

#ifdef TILVANE_READER_DRIVER
// A new user bookmarks 2:255 with a note; the reader is killed; started again it shows 2:255
// with the bookmark marked, and the bookmark goes elsewhere by export and import.
TEST_F(BookmarksCommand, AReaderKilledAfterAMoveResumesThereWithItsBookmark)
{
    std::filesystem::create_directories(home / "app");
    std::filesystem::create_directory_symlink(TILVANE_DEFAULT_RES, home / "app" / "res");
    const std::filesystem::path ini = home / "app" / "Tilvane.ini";
    writeFile(ini, "[quran]\r\nLastOpenedSura=2\r\nLastOpenedAya=250\r\n[keep]\r\nmine=1\r\n");
    const std::vector<std::string> moveFiveAndBookmark = {(home / "app").string(), "5", "Ayat al-Kursi"};
    {
        ChildProcess reader(TILVANE_READER_DRIVER, moveFiveAndBookmark, home.path());
        ASSERT_TRUE(pollFor([&] {
            return reader.output().find("bookmarked 2:255") != std::string::npos
                && readFile(ini).find("LastOpenedAya=255") != std::string::npos;
        })) << reader.output();
        const int status = reader.stop(SIGKILL);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
    EXPECT_EQ(readFile(ini), "[quran]\r\nLastOpenedSura=2\r\nLastOpenedAya=255\r\n[keep]\r\nmine=1\r\n");
    {
        ChildProcess reader(TILVANE_READER_DRIVER, {(home / "app").string(), "0"}, home.path());
        EXPECT_TRUE(pollFor([&] {
            const std::string out = reader.output();
            return out.find("shown 2:255") != std::string::npos && out.find("marks 2_255\n") != std::string::npos;
        })) << reader.output();
        reader.stop(SIGKILL);
    }
    EXPECT_EQ(bookmarks({"list"}).out, "2:255\tUnsorted\tAyat al-Kursi\n");
    ASSERT_EQ(bookmarks({"export", dataDir("move.json")}).exitCode, 0);
    ASSERT_EQ(bookmarks({"--data-dir", dataDir("other"), "import", dataDir("move.json")}).exitCode, 0);
    EXPECT_EQ(bookmarks({"--data-dir", dataDir("other"), "list"}).out, "2:255\tUnsorted\tAyat al-Kursi\n");
}
#endif
