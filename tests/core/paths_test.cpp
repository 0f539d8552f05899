#include "core/app/app_dirs.h"
#include "core/app/errors.h"
#include "core/app/paths.h"
#include "core/quran/line_list.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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
