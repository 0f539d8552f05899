#include "core/quran/translations.h"
#include "translation_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace tilvane;
using tilvane::test::TranslationFixture;
using tilvane::test::writeFile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class PackageFiles : public TranslationFixture {
protected:
    // One active package whose init file names the given aya file.
    void activatePackageNaming(const std::string& ayaFile)
    {
        writeFile(AppDirs.TransDir + "pkg/_transinit.ini",
                  "[translation]\nTransName=Pkg\nFullName=Package\nSuraNameFile=sura.txt\nAyaNameFile=" + ayaFile
                      + "\n");
        writeFile(AppDirs.TransDir + "pkg/sura.txt", "sura\n");
        writeSettings("[translations]\r\nCount=1\r\ntrl_00=Pkg\r\ntrl_00Acive=1\r\n");
        LoadTranslationCatalogue();
    }
};

} // namespace

TEST_F(PackageFiles, AMissingFileLeavesTheSlotEmptyAndIsReportedOncePerRun)
{
    activatePackageNaming("aya.txt");
    EXPECT_NO_THROW(LoadActiveTranslations());
    ASSERT_EQ(TransAyaLists.size(), 1u);
    EXPECT_TRUE(TransAyaLists[0].empty());
    EXPECT_EQ(TransSuraLists[0].lineOrEmpty(0), "sura");
    EXPECT_EQ(TransAyaLists[0].lineOrEmpty(5), "");

    const std::vector<std::string> problems = takeTranslationProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_THAT(problems[0], HasSubstr("\"Package\""));
    EXPECT_THAT(problems[0], HasSubstr(AppDirs.TransDir + "pkg/aya.txt"));

    LoadActiveTranslations(); // the next page build
    EXPECT_TRUE(takeTranslationProblems().empty());
}

TEST_F(PackageFiles, APackageWithoutItsInitFileCanBeActiveWithoutStoppingThePage)
{
    std::filesystem::create_directories(AppDirs.TransDir + "bare");
    writeSettings("[translations]\r\nCount=1\r\ntrl_00=[Unknown]\r\ntrl_00Acive=1\r\n");
    LoadTranslationCatalogue();
    EXPECT_NO_THROW(LoadActiveTranslations());
    // Both file fields name the same "[Unknown]" file: one report.
    EXPECT_THAT(takeTranslationProblems(), ElementsAre(HasSubstr(AppDirs.TransDir + "bare/[Unknown]")));
}

TEST_F(PackageFiles, NamesInsideThePackageAreReadAndNamesResolvingOutsideAreNever)
{
    writeFile(AppDirs.TransDir + "secret.txt", "outside\n");
    writeFile(AppDirs.TransDir + "pkg/texts/aya.txt", "nested\n");
    std::filesystem::create_symlink(AppDirs.TransDir + "secret.txt", AppDirs.TransDir + "pkg/out.txt");
    std::filesystem::create_symlink("texts/aya.txt", AppDirs.TransDir + "pkg/in.txt");
    const struct {
        std::string name;
        const char* line; // nullptr: refused as outside
    } cases[] = {
        {"texts/aya.txt", "nested"},
        {"./texts/aya.txt", "nested"},
        {"in.txt", "nested"},
        {"out.txt", nullptr},
        {"../secret.txt", nullptr},
        {"texts/../../secret.txt", nullptr},
        {AppDirs.TransDir + "secret.txt", nullptr},
        {"..", nullptr},
        {".", nullptr},
    };
    for (const auto& c : cases) {
        activatePackageNaming(c.name);
        LoadActiveTranslations();
        ASSERT_EQ(TransAyaLists.size(), 1u);
        const std::vector<std::string> problems = takeTranslationProblems();
        if (c.line != nullptr) {
            EXPECT_EQ(TransAyaLists[0].lineOrEmpty(0), c.line) << c.name;
            EXPECT_TRUE(problems.empty()) << c.name;
        } else {
            EXPECT_TRUE(TransAyaLists[0].empty()) << c.name;
            EXPECT_THAT(problems, ElementsAre(HasSubstr("outside its package folder"))) << c.name;
        }
    }
}

TEST_F(PackageFiles, AFolderNamedAsTheAyaFileCountsAsMissing)
{
    std::filesystem::create_directories(AppDirs.TransDir + "pkg/folder.txt");
    activatePackageNaming("folder.txt");
    LoadActiveTranslations();
    EXPECT_THAT(takeTranslationProblems(), ElementsAre(HasSubstr("missing or cannot be opened")));
}

TEST_F(PackageFiles, AChangedOrReplacedPackageFileIsReadAgainAtTheNextBuild)
{
    const std::string aya = AppDirs.TransDir + "pkg/aya.txt";
    const std::string replacement = AppDirs.TransDir + "pkg/aya.new";
    const struct {
        const char* change;
        std::function<void()> apply;
        const char* expected;
    } cases[] = {
        {"written in place", [&] { writeFile(aya, "written in place\n"); }, "written in place"},
        // Same size, new inode: how an editor or an installer saves.
        {"replaced", [&] { writeFile(replacement, "new\n"); std::filesystem::rename(replacement, aya); }, "new"},
    };
    for (const auto& c : cases) {
        writeFile(aya, "old\n");
        activatePackageNaming("aya.txt");
        LoadActiveTranslations();
        ASSERT_EQ(TransAyaLists[0].lineOrEmpty(0), "old") << c.change;
        c.apply();
        LoadActiveTranslations();
        EXPECT_EQ(TransAyaLists[0].lineOrEmpty(0), c.expected) << c.change;
    }
}

TEST_F(PackageFiles, ListsFollowTheirPackageWhenSlotsMoveRepeatOrWereFreed)
{
    addPackage("a", "A", "Package A");
    addPackage("b", "B", "Package B");
    const auto select = [this](const std::string& first, const std::string& second) {
        writeSettings("[translations]\r\nCount=2\r\ntrl_00=" + first + "\r\ntrl_00Acive=1\r\ntrl_01=" + second
                      + "\r\ntrl_01Acive=1\r\n");
        LoadTranslationCatalogue();
        LoadActiveTranslations();
        return std::vector<std::string>{TransAyaLists[0].lineOrEmpty(1), TransAyaLists[1].lineOrEmpty(1),
                                        TransSuraLists[0].lineOrEmpty(0), TransSuraLists[1].lineOrEmpty(0)};
    };
    EXPECT_THAT(select("A", "B"), ElementsAre("A aya 2", "B aya 2", "A sura 1", "B sura 1"));
    EXPECT_THAT(select("B", "A"), ElementsAre("B aya 2", "A aya 2", "B sura 1", "A sura 1"));
    EXPECT_THAT(select("B", "B"), ElementsAre("B aya 2", "B aya 2", "B sura 1", "B sura 1"));
    // The text store freed on close empties the lists; the next build reads the files again.
    TransAyaLists.clear();
    TransSuraLists.clear();
    EXPECT_THAT(select("B", "B"), ElementsAre("B aya 2", "B aya 2", "B sura 1", "B sura 1"));
}
