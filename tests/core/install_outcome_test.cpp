#include "core/app/app_dirs.h"
#include "core/audio/install_selection.h"
#include "core/audio/install_result.h"
#include "core/audio/recitation_size.h"
#include "core/audio/reciter_catalogue.h"
#include "core/audio/reciter_choice.h"
#include "core/audio/reciter_layout.h"
#include "core/base/ini_file.h"
#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tilvane;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

struct ResultCase {
    int ayatInPlace; // of sura 112's four
    std::vector<std::string> failures;
    bool cancelled;
    std::string text;
    bool complete;
};

TEST(InstallResult, CountsWhatIsOnTheDiskAndNamesTheFailures)
{
    const std::vector<ResultCase> cases{
        {4, {}, false, "4 of 4 files installed; 0 failed.", true},
        {1, {"112002.mp3: HTTP 404 Not Found", "112003.mp3: not an MP3 file", "112004.mp3: timed out"}, false,
         "1 of 4 files installed; 3 failed (112002.mp3: HTTP 404 Not Found, 112003.mp3: not an MP3 file, and 1 "
         "more).",
         false},
        // A source that answered nothing is no success, failures or not.
        {0, {}, false, "0 of 4 files installed; 0 failed.", false},
        {2, {}, true, "Cancelled: 2 of 4 files installed; 0 failed.", false},
    };
    for (const ResultCase& c : cases) {
        TempFolder folder;
        for (int aya = 1; aya <= c.ayatInPlace; ++aya)
            writeFile(folder.dir() + ayaRelativePath(112, aya), "mp3");
        InstallSummary summary;
        summary.failures = c.failures;
        summary.cancelled = c.cancelled;
        const InstallResult result = installResult(folder.dir(), ayatOfSuras({112}), summary);
        EXPECT_EQ(installResultText(result, 2), c.text);
        EXPECT_EQ(result.complete(), c.complete) << c.text;
    }
}

TEST(ReciterChoice, TheOnlyReciterIsTakenAndAMissingOneIsReportedAndTheChoiceIsSaved)
{
    TempFolder folder;
    AppDirs.AudioDir = folder.dir() + "audio/";
    IniFileName = folder.dir() + "Tilvane.ini";
    writeFile(IniFileName, "[audio]\r\nVolume=300\r\n");

    EXPECT_EQ(reciterToUse("darvel_40kbps"), "darvel_40kbps");
    EXPECT_EQ(reciterState("darvel_40kbps"), ReciterState::NoneInstalled);

    writeFile(AppDirs.AudioDir + "first/audioinit.ini", "[offline]\r\n");
    EXPECT_EQ(reciterToUse("darvel_40kbps"), "first");
    EXPECT_EQ(reciterState("first"), ReciterState::Installed);

    writeFile(AppDirs.AudioDir + "second/audioinit.ini", "[offline]\r\n");
    EXPECT_EQ(reciterToUse("gone"), "gone");
    EXPECT_EQ(reciterState("gone"), ReciterState::NotInstalled);

    saveReciterChoice("second");
    const IniFile saved = IniFile::load(IniFileName);
    EXPECT_EQ(saved.readString("audio", "Reciter", ""), "second");
    EXPECT_EQ(saved.readString("audio", "Volume", ""), "300");
}

TEST(ReciterCatalogue, ListsTheCollectionsItCanInstallInFileOrder)
{
    TempFolder folder;
    writeFile(folder.dir() + "reciters.ini",
              "; comment\r\n[B_64kbps]\r\nReciter=B\r\nStyle=Murattal\r\nBitrate=64\r\nUrl=https://example.org/b\r\n"
              "SizeMB=560\r\n[no_address]\r\nReciter=C\r\n[local_file]\r\nUrl=/home/x/\r\n"
              "[.hidden]\r\nUrl=https://example.org/h/\r\n[A]\r\nUrl=http://example.org/a/\r\n");
    const std::vector<CatalogueEntry> entries = loadReciterCatalogue(folder.dir() + "reciters.ini");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "B_64kbps");
    EXPECT_EQ(entries[0].url, "https://example.org/b/");
    EXPECT_EQ(entries[0].bitrateKbps, 64);
    EXPECT_EQ(entries[0].approximateBytes, 560'000'000u);
    EXPECT_EQ(entries[1].reciter, "A");
    EXPECT_EQ(entries[1].approximateBytes, 0u);
    EXPECT_TRUE(loadReciterCatalogue(folder.dir() + "missing.ini").empty());
}

// Long ayat take long to recite: the estimate follows the text once it is loaded.
TEST(RecitationSize, FollowsTheLengthOfTheChosenAyat)
{
    const std::uint64_t whole = 600'000'000;
    const std::vector<TQuranPos> all = ayatOfSuras(parseSuraSelection("1-114"));
    EXPECT_EQ(estimatedRecitationBytes(whole, all), whole);
    EXPECT_EQ(estimatedRecitationBytes(whole, ayatOfSuras({1})), whole * 7 / kAyaCount);

    std::vector<std::string> lines(kAyaCount, "ab");
    lines[globalAyaIndex(2, 282) - 1] = std::string(2 * kAyaCount, 'x'); // half of all the text
    QuranUthmani = LineList(lines);
    EXPECT_NEAR(static_cast<double>(estimatedRecitationBytes(whole, {{2, 282}})), whole / 2.0, whole * 0.001);
    clearQuranStore();
}

} // namespace
