#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/app/instance_folder.h"
#include "core/app/paths.h"
#include "core/quran/line_list.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sys/stat.h>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace fs = std::filesystem;

TEST(ZeroPad, FillsToTheWidthAndNeverCuts)
{
    EXPECT_EQ(ZeroPad(7, 3), "007");
    EXPECT_EQ(ZeroPad(1234, 3), "1234");
    EXPECT_EQ(ZeroPad(0, 2), "00");
}

TEST(PathToFileUrl, EscapesEveryCharacterAUrlPathMustEscape)
{
    const struct {
        const char* path;
        const char* url;
    } cases[] = {
        {"/tmp/Temp Dir/Tilvane/", "file:///tmp/Temp%20Dir/Tilvane/"},
        {"/tmp/a#b/", "file:///tmp/a%23b/"},
        {"/tmp/100%/", "file:///tmp/100%25/"},
        {"/tmp/q?x/", "file:///tmp/q%3Fx/"},
        {"/tmp/\xD8\xB3/", "file:///tmp/%D8%B3/"},
        {"/tmp/a-b_c.d~e/", "file:///tmp/a-b_c.d~e/"},
        {"/tmp/a&not/b&copy;/", "file:///tmp/a%26not/b%26copy;/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathToFileUrl(c.path), c.url) << c.path;
}

class WorkingFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousTmp = std::getenv("TMPDIR");
        setenv("TMPDIR", tmp.path().c_str(), 1);
        ResetAppDirsForTesting();
    }
    void TearDown() override
    {
        setenv("TMPDIR", previousTmp.c_str(), 1);
        ResetAppDirsForTesting();
    }

    TempFolder tmp;
    TempFolder app;
    std::string previousTmp;
};

TEST_F(WorkingFolders, AreCreatedOwnerOnlyAndThePathConstantsPrefixed)
{
    InitAppDirs(app.path().string());
    const std::string temp = GetTempDir();
    EXPECT_EQ(AppDirs.TempDir, temp + "Tilvane/");
    for (const std::string* folder : {&AppDirs.TempDir, &AppDirs.LibDir, &AppDirs.CssDir, &AppDirs.SuraDir,
                                      &AppDirs.SearchDir, &AppDirs.TempResDir, &AppDirs.LibinaDir,
                                      &AppDirs.AzDir, &AppDirs.InaazfmtDir}) {
        struct stat info {};
        ASSERT_EQ(stat(folder->c_str(), &info), 0) << *folder;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << *folder;
        EXPECT_EQ(folder->back(), '/');
    }
    EXPECT_EQ(IniFileName, app.dir() + "Tilvane.ini");
    EXPECT_EQ(LibinaArchive, app.dir() + "res/libina.tvz");
    EXPECT_EQ(Screen2CssFile, AppDirs.CssDir + "screen_2.css");
    EXPECT_EQ(AppDirs.AzDir, AppDirs.TempDir + "res/libina/az/");
}

TEST_F(WorkingFolders, ExistingFoldersAreReusedWithTheirContents)
{
    InitAppDirs(app.path().string());
    writeFile(AppDirs.SuraDir + "kept.html", "x");
    ResetAppDirsForTesting();
    InitAppDirs(app.path().string());
    EXPECT_EQ(readFile(AppDirs.SuraDir + "kept.html"), "x");
}

TEST_F(WorkingFolders, ASecondInitialisationChangesNothing)
{
    InitAppDirs(app.path().string());
    const std::string first = AppDirs.AppDir;
    TempFolder other;
    InitAppDirs(other.path().string());
    EXPECT_EQ(AppDirs.AppDir, first);
}

TEST_F(WorkingFolders, APlantedSymbolicLinkIsRefused)
{
    TempFolder elsewhere;
    const std::string userFolder = GetTempDir();
    fs::remove(userFolder);
    fs::create_directory_symlink(elsewhere.path(), userFolder.substr(0, userFolder.size() - 1));
    EXPECT_THROW(InitAppDirs(app.path().string()), TilvaneError);
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
}

TEST_F(WorkingFolders, AnOpenFolderIsMadePrivate)
{
    const std::string userFolder = GetTempDir();
    chmod(userFolder.c_str(), 0777);
    GetTempDir();
    struct stat info {};
    ASSERT_EQ(stat(userFolder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(WorkingFolders, InstancesRunningTogetherGetTheirOwnFoldersAndDeadOnesAreCleanedUp)
{
    const std::string root = GetTempDir();
    std::optional<InstanceFolder> first = InstanceFolder::acquire(root);
    std::optional<InstanceFolder> second = InstanceFolder::acquire(root);
    std::optional<InstanceFolder> third = InstanceFolder::acquire(root);
    EXPECT_EQ(first->path(), root + "Tilvane/");
    EXPECT_EQ(second->path(), root + "Tilvane-2/");
    EXPECT_EQ(third->path(), root + "Tilvane-3/");
    writeFile(second->path() + "lib/kept.txt", "x");
    writeFile(third->path() + "lib/left.txt", "x");

    // Two instances die; the next start reuses the first free folder and removes the other.
    second.reset();
    third.reset();
    const InstanceFolder next = InstanceFolder::acquire(root);
    EXPECT_EQ(next.path(), root + "Tilvane-2/");
    EXPECT_EQ(readFile(next.path() + "lib/kept.txt"), "x");
    EXPECT_FALSE(fs::exists(root + "Tilvane-3"));
    EXPECT_TRUE(fs::exists(first->path()));
}

TEST_F(WorkingFolders, LinksAnywhereBelowTheRootAreRefusedAndNothingIsWrittenThroughThem)
{
    for (const char* planted : {"Tilvane", "Tilvane/_sura", "Tilvane/res", "Tilvane/lib/css/common.css",
                                "Tilvane/_sura/S001_ar_in.html", "Tilvane/.instance.lock"}) {
        TempFolder elsewhere;
        const std::string root = GetTempDir();
        fs::remove_all(root + "Tilvane");
        fs::create_directories(root + "Tilvane/lib/css");
        fs::create_directories(root + "Tilvane/_sura");
        fs::remove_all(root + planted);
        fs::create_symlink(elsewhere.path(), root + planted);
        ResetAppDirsForTesting();
        EXPECT_THROW(InitAppDirs(app.path().string()), TilvaneError) << planted;
        EXPECT_TRUE(fs::is_empty(elsewhere.path())) << planted;
    }
    ResetAppDirsForTesting();
}

TEST_F(WorkingFolders, AFileTakingAGeneratedFolderNameIsReplacedByTheFolder)
{
    const std::string root = GetTempDir();
    writeFile(root + "Tilvane/_sura", "left by a bad archive");
    writeFile(root + "Tilvane/lib/css", "x");
    InitAppDirs(app.path().string());
    EXPECT_TRUE(fs::is_directory(AppDirs.SuraDir));
    EXPECT_TRUE(fs::is_directory(AppDirs.CssDir));
}

TEST(UserFontDir, FollowsXdgDataHome)
{
    EXPECT_EQ(userFontDir(), std::string(std::getenv("XDG_DATA_HOME")) + "/fonts/");
}

TEST(LineList, AllThreeLineEndingsLoadTheSameLines)
{
    for (const char* text : {"a\r\nb\r\n", "a\rb\r", "a\nb\n", "a\nb"}) {
        const LineList list = LineList::fromText(text);
        ASSERT_EQ(list.size(), 2u) << text;
        EXPECT_EQ(list.lineOrEmpty(0), "a");
        EXPECT_EQ(list.lineOrEmpty(1), "b");
    }
    EXPECT_EQ(LineList::fromText("a\r\n\r\nb").size(), 3u);
}

TEST(LineList, SavesEveryEntryWithCrLfAndKeepsInnerCarriageReturns)
{
    TempFolder folder;
    LineList list({"one\rinner", "\xD8\xB3"});
    list.saveToFile((folder / "x.txt").string());
    EXPECT_EQ(readFile(folder / "x.txt"), "one\rinner\r\n\xD8\xB3\r\n");
}

TEST(LineList, ReadsPastTheEndGiveEmptyText)
{
    const LineList list({"only"});
    EXPECT_EQ(list.lineOrEmpty(1), "");
    EXPECT_EQ(list.lineOrEmpty(static_cast<std::size_t>(-1)), "");
}

// A FIFO would block the reader, a device or a huge sparse file would fill the memory: each is
// refused at once, with a message naming the file and saying why.
TEST(LineList, FilesThatAreNotPlainDataFilesAreRefusedWithoutBeingRead)
{
    TempFolder folder;
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* says;
    } cases[] = {
        {"fifo", [](const std::string& f) { mkfifo(f.c_str(), 0600); }, "not a regular file"},
        {"zero", [](const std::string& f) { fs::create_symlink("/dev/zero", f); }, "not a regular file"},
        {"sparse", [](const std::string& f) { writeFile(f, ""); fs::resize_file(f, 1ull << 40); }, "larger than"},
        {"folder", [](const std::string& f) { fs::create_directory(f); }, "is a folder"},
    };
    for (const auto& c : cases) {
        const std::string file = (folder / c.name).string();
        c.make(file);
        try {
            LineList::loadFromFile(file);
            ADD_FAILURE() << c.name << " was read";
        } catch (const FileOpenError& error) {
            EXPECT_EQ(error.path(), file);
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
        }
    }
}

TEST(LineList, MissingFileRaisesAnErrorNamingIt)
{
    TempFolder folder;
    const std::string missing = (folder / "absent.txt").string();
    try {
        LineList::loadFromFile(missing);
        FAIL();
    } catch (const FileOpenError& error) {
        EXPECT_NE(std::string(error.what()).find(missing), std::string::npos);
    }
}
