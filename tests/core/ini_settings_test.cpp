#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/base/ini_file.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        IniFileName = (appFolder / "Tilvane.ini").string();
        AppSet = TAppSet{};
    }

    TempFolder appFolder;
};

} // namespace

TEST(IniFile, SectionsAndKeysMatchWithoutRegardToCase)
{
    const IniFile ini = IniFile::parse("[FONTS]\r\narabicfontsize=20\n");
    EXPECT_EQ(ini.readInteger("fonts", "ArabicFontSize", 16), 20);
}

TEST(IniFile, FirstOfRepeatedSectionsAndKeysWins)
{
    const IniFile ini = IniFile::parse("[a]\nk=1\nk=2\n[A]\nk=3\nj=4\n");
    EXPECT_EQ(ini.readInteger("a", "k", 0), 1);
    // A key only in the repeated section is not seen, as with profile files.
    EXPECT_EQ(ini.readInteger("a", "j", 0), 0);
}

TEST(IniFile, IntegerValuesFallBackToTheDefaultUnlessWhollyDecimal)
{
    const IniFile ini = IniFile::parse("[s]\nneg=-42\nplus=+7\nword=abc\ntail=12abc\nempty=\nhuge=99999999999\n");
    EXPECT_EQ(ini.readInteger("s", "neg", 0), -42);
    EXPECT_EQ(ini.readInteger("s", "plus", 0), 7);
    EXPECT_EQ(ini.readInteger("s", "word", 800), 800);
    EXPECT_EQ(ini.readInteger("s", "tail", 800), 800);
    EXPECT_EQ(ini.readInteger("s", "empty", 800), 800);
    EXPECT_EQ(ini.readInteger("s", "huge", 800), 800);
    EXPECT_EQ(ini.readInteger("s", "missing", 5), 5);
}

TEST(IniFile, WritingKeepsCommentsUnknownKeysAndTheKeysOwnSpelling)
{
    IniFile ini = IniFile::parse("; note\r\n[Audio]\r\nVOLUME=5\r\nOther=x\r\n\r\n[keep]\r\nz=1\r\n");
    ini.writeInteger("audio", "Volume", 300);
    ini.writeString("audio", "Reciter", "r");
    ini.writeString("new", "k", "v");
    EXPECT_EQ(ini.text(),
              "; note\r\n[Audio]\r\nVOLUME=300\r\nOther=x\r\nReciter=r\r\n\r\n[keep]\r\nz=1\r\n[new]\r\nk=v\r\n");
}

TEST(IniFile, ReadsByteOrderMarksQuotedValuesAndLoneCarriageReturnsAsProfileFilesDo)
{
    const IniFile ini = IniFile::parse("\xEF\xBB\xBF[fonts]\rTransFontName=\"Noto Sans\"\rq=\"\r[audio]\rVolume=\"300\"\r");
    EXPECT_EQ(ini.value("fonts", "TransFontName"), "Noto Sans");
    EXPECT_EQ(ini.value("fonts", "q"), "\""); // a lone quote is no pair
    EXPECT_EQ(ini.readInteger("audio", "Volume", 800), 300);
    // The mark survives a rewrite; the lines end as this program writes them.
    EXPECT_EQ(ini.text().substr(0, 12), "\xEF\xBB\xBF[fonts]\r\n");
}

TEST_F(SettingsFile, AbsentFileGivesTheDefaultsAndASaveWritesAllKeys)
{
    LoadSettings();
    const TAppSet defaults;
    EXPECT_EQ(AppSet.ArabicFontColor, 1288274);
    EXPECT_EQ(AppSet.Reciter, defaults.Reciter);
    EXPECT_TRUE(AppSet.IsPlayContinue);

    SaveSettings();
    EXPECT_EQ(readFile(IniFileName),
              "[fonts]\r\nArabicFontSize=16\r\nArabicFontColor=1288274\r\nArabicLatinFontColor=1288274\r\n"
              "TransFontName=Tahoma\r\nTransFontSize=8\r\nTransFontColor=0\r\n"
              "[quran]\r\nViewStyle=0\r\nLastOpenedSura=1\r\nLastOpenedAya=1\r\n"
              "[audio]\r\nIsMuted=0\r\nIsPlayContinue=1\r\nVolume=800\r\nReciter=darvel_40kbps\r\n"
              "PlaybackSpeed=100\r\nAyaRepeat=1\r\nAyaPause=0\r\nIsRangeRepeat=0\r\nRangeFromSura=1\r\n"
              "RangeFromAya=1\r\nRangeToSura=1\r\nRangeToAya=7\r\nRangeRepeat=3\r\n"
              "[view]\r\nZoom=100\r\nTheme=light\r\nTajweed=0\r\n"
              "[general]\r\nLanguage=system\r\n");
}

TEST_F(SettingsFile, RecitationOptionsOutsideTheirRangesReadAsTheNearestOption)
{
    writeFile(IniFileName, "[audio]\r\nPlaybackSpeed=130\r\nAyaRepeat=-3\r\nAyaPause=99\r\nRangeRepeat=11\r\n");
    LoadSettings();
    EXPECT_EQ(AppSet.PlaybackSpeed, 125);
    EXPECT_EQ(AppSet.AyaRepeat, 0);
    EXPECT_EQ(AppSet.AyaPause, 10);
    EXPECT_EQ(AppSet.RangeRepeat, 10);
    writeFile(IniFileName, "[audio]\r\nPlaybackSpeed=999\r\nAyaPause=-7\r\n");
    LoadSettings();
    EXPECT_EQ(AppSet.PlaybackSpeed, 200);
    EXPECT_EQ(AppSet.AyaPause, kAyaPauseAsAya);
    writeFile(IniFileName, "[view]\r\nZoom=5\r\nTheme=dark\r\n");
    LoadSettings();
    EXPECT_EQ(AppSet.Zoom, kZoomMin);
    EXPECT_EQ(AppSet.Theme, "light");
    writeFile(IniFileName, "[view]\r\nZoom=900\r\nTheme=night\r\n");
    LoadSettings();
    EXPECT_EQ(AppSet.Zoom, kZoomMax);
    EXPECT_EQ(AppSet.Theme, "night");
}

TEST_F(SettingsFile, OddStoredValuesReadAsProfileFilesDo)
{
    writeFile(IniFileName, "[audio]\nIsMuted=2\nVolume=abc\n[quran]\nViewStyle=257\n[general]\nLanguage=fr\n");
    LoadSettings();
    EXPECT_EQ(AppSet.Language, "system");
    writeFile(IniFileName, "[audio]\nIsMuted=2\nVolume=abc\n[quran]\nViewStyle=257\n[general]\nLanguage=ar\n");
    EXPECT_EQ(loadLanguageSetting(), "ar");
    LoadSettings();
    EXPECT_EQ(AppSet.Language, "ar");
    EXPECT_TRUE(AppSet.IsMuted);
    EXPECT_EQ(AppSet.Volume, 800);
    EXPECT_EQ(AppSet.ViewStyle, 1);

    SaveSettings();
    const IniFile saved = IniFile::load(IniFileName);
    EXPECT_EQ(saved.value("audio", "IsMuted"), "1");
}

TEST_F(SettingsFile, SaveReadsTheFileAsItIsNowAndKeepsSectionsItDoesNotOwn)
{
    LoadSettings();
    // Written by another part of the program after the settings were loaded.
    writeFile(IniFileName, "[translations]\r\nCount=1\r\ntrl_00=Indonesian_Latin\r\ntrl_00Acive=1\r\n");
    AppSet.LastOpenedSura = 2;
    SaveSettings();

    const IniFile saved = IniFile::load(IniFileName);
    EXPECT_EQ(saved.value("translations", "trl_00Acive"), "1");
    EXPECT_EQ(saved.readInteger("quran", "LastOpenedSura", 0), 2);
}

TEST_F(SettingsFile, RefusedWriteReportsThePathAndLeavesTheOldFileIntact)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    writeFile(IniFileName, "[quran]\r\nLastOpenedSura=5\r\n");
    std::filesystem::permissions(appFolder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    AppSet.LastOpenedSura = 9;
    try {
        SaveSettings();
        FAIL() << "the save should have been refused";
    } catch (const TilvaneError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + IniFileName);
    }
    EXPECT_EQ(readFile(IniFileName), "[quran]\r\nLastOpenedSura=5\r\n");
}

TEST_F(SettingsFile, FailedRenameLeavesNoTemporaryFileBehind)
{
    // A folder in the file's place makes the final rename fail after the data was written.
    std::filesystem::create_directory(IniFileName);
    EXPECT_THROW(SaveSettings(), TilvaneError);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(appFolder.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(SettingsFile, UnwritableFolderReportsTheMessageEvenForRoot)
{
    // A plain file where the folder should be refuses every write, whoever runs the test.
    writeFile(appFolder / "notafolder", "x");
    IniFileName = (appFolder / "notafolder" / "Tilvane.ini").string();
    try {
        SaveSettings();
        FAIL() << "the save should have been refused";
    } catch (const TilvaneError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + IniFileName);
    }
    EXPECT_EQ(readFile(appFolder / "notafolder"), "x");
}

namespace {

const std::string kStored = "[quran]\r\nLastOpenedSura=5\r\n[translations]\r\nCount=0\r\n[mine]\r\nx=1\r\n";

struct Unreadable {
    const char* name;
    bool needsNonRoot; // root reads files whatever their mode
    std::function<void(const std::string&)> make;
};

} // namespace

TEST_F(SettingsFile, AFileThatCannotBeReadIsNeverReplacedByEitherSave)
{
    const Unreadable cases[] = {
        {"NoPermissions", true, [](const std::string& f) { writeFile(f, kStored); chmod(f.c_str(), 0); }},
        {"WriteOnly", true, [](const std::string& f) { writeFile(f, kStored); chmod(f.c_str(), 0200); }},
        {"Fifo", false, [](const std::string& f) { mkfifo(f.c_str(), 0600); }},
        {"Folder", false, [](const std::string& f) { std::filesystem::create_directory(f); }},
    };
    const std::function<void()> saves[] = {SaveSettings, SaveTranslationSlots};
    for (const Unreadable& c : cases) {
        if (c.needsNonRoot && geteuid() == 0)
            continue;
        for (const auto& save : saves) {
            std::filesystem::remove_all(IniFileName);
            c.make(IniFileName);
            try {
                save();
                ADD_FAILURE() << c.name << ": saved over a file it could not read";
            } catch (const TilvaneError& error) {
                EXPECT_EQ(std::string(error.what()), "Unable to read " + IniFileName + "; your settings were not saved")
                    << c.name;
            }
            chmod(IniFileName.c_str(), 0600);
            if (std::filesystem::is_regular_file(IniFileName))
                EXPECT_EQ(readFile(IniFileName), kStored) << c.name;
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(appFolder.path()), {}), 1) << c.name;
        }
    }
}

TEST_F(SettingsFile, AReadOnlyFileIsRefusedAndALinkedFileUpdatesItsTarget)
{
    writeFile(IniFileName, kStored);
    chmod(IniFileName.c_str(), 0444);
    AppSet.LastOpenedSura = 9;
    EXPECT_THROW(
        {
            try {
                SaveSettings();
            } catch (const TilvaneError& error) {
                EXPECT_EQ(std::string(error.what()), "Unable to write to " + IniFileName);
                throw;
            }
        },
        TilvaneError);
    EXPECT_EQ(readFile(IniFileName), kStored);

    // A relative link to a link in another folder: the last target is written, in its folder.
    TempFolder elsewhere;
    writeFile(elsewhere / "real.ini", kStored);
    std::filesystem::create_symlink(elsewhere / "real.ini", elsewhere / "hop.ini");
    std::filesystem::remove(IniFileName);
    std::filesystem::create_symlink(std::filesystem::relative(elsewhere / "hop.ini", appFolder.path()), IniFileName);
    SaveSettings();
    EXPECT_TRUE(std::filesystem::is_symlink(IniFileName));
    EXPECT_TRUE(std::filesystem::is_symlink(elsewhere / "hop.ini"));
    const IniFile saved = IniFile::load((elsewhere / "real.ini").string());
    EXPECT_EQ(saved.readInteger("quran", "LastOpenedSura", 0), 9);
    EXPECT_EQ(saved.readInteger("mine", "x", 0), 1);
}

TEST_F(SettingsFile, TemporaryFilesOfInterruptedSavesGoAtTheNextSaveAndOthersStay)
{
    const std::string stale = IniFileName + ".saving-aB3xYz";
    const std::string inUse = IniFileName + ".saving-Qw9rT2";
    const std::string notOurs = IniFileName + ".backup";
    for (const std::string& file : {stale, inUse, notOurs})
        writeFile(file, "partial");
    // A save still running holds its temporary file locked.
    const int held = open(inUse.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    SaveSettings();
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(inUse));
    EXPECT_TRUE(std::filesystem::exists(notOurs));
    close(held);
}

TEST_F(SettingsFile, TajweedColoursAreReadFromTheViewSectionAndWrittenBack)
{
    LoadSettings();
    EXPECT_FALSE(AppSet.Tajweed);
    writeFile(IniFileName, "[View]\r\ntajweed=1\r\n");
    LoadSettings();
    EXPECT_TRUE(AppSet.Tajweed);
    AppSet.Tajweed = false;
    SaveSettings();
    EXPECT_NE(readFile(IniFileName).find("[View]\r\ntajweed=0\r\n"), std::string::npos);
}
