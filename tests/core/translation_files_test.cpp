#include "core/quran/translations.h"
#include "translation_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

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

TEST_F(PackageFiles, FileNamesReachingOutsideThePackageFolderAreNeverRead)
{
    writeFile(AppDirs.TransDir + "secret.txt", "outside\n");
    writeFile(AppDirs.TransDir + "pkg/sub/aya.txt", "nested\n");
    const std::string names[] = {"../secret.txt", AppDirs.TransDir + "secret.txt", "sub/aya.txt", "..", "."};
    for (const std::string& name : names) {
        activatePackageNaming(name);
        LoadActiveTranslations();
        ASSERT_EQ(TransAyaLists.size(), 1u);
        EXPECT_TRUE(TransAyaLists[0].empty()) << name;
        EXPECT_THAT(takeTranslationProblems(), ElementsAre(HasSubstr("outside its package folder"))) << name;
    }
}

TEST_F(PackageFiles, AFolderNamedAsTheAyaFileCountsAsMissing)
{
    std::filesystem::create_directories(AppDirs.TransDir + "pkg/folder.txt");
    activatePackageNaming("folder.txt");
    LoadActiveTranslations();
    EXPECT_THAT(takeTranslationProblems(), ElementsAre(HasSubstr("missing or cannot be opened")));
}
