#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/base/ini_file.h"
#include "core/audio/folder_transfer.h"
#include "core/audio/mp3_check.h"
#include "core/audio/reciter_installer.h"
#include "core/audio/reciter_layout.h"
#include "core/audio/reciter_source.h"
#include "core/audio/install_selection.h"
#include "support/temp_folder.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

// An MPEG-1 layer III frame header (128 kbit/s, 44.1 kHz) and some frame bytes.
const std::string kMp3 = std::string("\xFF\xFB\x90\x64", 4) + std::string(400, '\x55');

struct SelectionCase {
    std::string text;
    std::vector<int> suras; // empty: refused
};

TEST(SuraSelection, ListsAndRangesAreReadAndNonsenseIsRefused)
{
    const std::vector<SelectionCase> cases{
        {"1", {1}},
        {"1,112-114", {1, 112, 113, 114}},
        {" 114 , 1-2,2 ", {1, 2, 114}},
        {"0", {}},
        {"115", {}},
        {"3-2", {}},
        {"1,,2", {}},
        {"juz30", {}},
        {"", {}},
    };
    for (const SelectionCase& c : cases) {
        if (c.suras.empty())
            EXPECT_THROW(parseSuraSelection(c.text), TilvaneError) << c.text;
        else
            EXPECT_EQ(parseSuraSelection(c.text), c.suras) << c.text;
    }
    EXPECT_EQ(parseSuraSelection("1-114").size(), 114u);
    EXPECT_THROW(parseJuzSelection("31"), TilvaneError);
    EXPECT_EQ(parseJuzSelection("30, 1").size(), 2u);
}

// A juz starts and ends inside suras; together the juz hold every aya once.
TEST(SuraSelection, JuzAndSurasCoverTheirAyatInOrder)
{
    const std::vector<TQuranPos> secondJuz = ayatOfJuzs({2});
    EXPECT_EQ(secondJuz.front(), (TQuranPos{2, 142}));
    EXPECT_EQ(secondJuz.back(), (TQuranPos{2, 252}));
    const std::vector<TQuranPos> lastJuz = ayatOfJuzs({30});
    EXPECT_EQ(lastJuz.front(), (TQuranPos{78, 1}));
    EXPECT_EQ(lastJuz.back(), (TQuranPos{114, 6}));
    EXPECT_EQ(ayatOfJuzs(parseJuzSelection("1-30")), ayatOfSuras(parseSuraSelection("1-114")));
    EXPECT_EQ(ayatOfSuras({1}).size(), 7u);
}

TEST(Mp3Check, OnlyAnId3TagOrAFrameHeaderPasses)
{
    const std::vector<std::pair<std::string, bool>> cases{
        {kMp3, true},
        {std::string("ID3\x04\x00\x00\x00\x00\x00\x10", 10), true},
        {std::string("\xFF\xF3\x48\xC4", 4), true},  // MPEG-2 layer III
        {"<!DOCTYPE html><html>Not Found</html>", false},
        {std::string("\xFF\xFB\xF0\x64", 4), false}, // bit rate index 15
        {std::string("\xFF\xFB\x9C\x64", 4), false}, // reserved sample rate
        {std::string("\xFF\xE9\x90\x64", 4), false}, // reserved version
        {"", false},
    };
    for (const auto& [bytes, mp3] : cases)
        EXPECT_EQ(startsLikeMp3(bytes), mp3) << bytes.substr(0, 12);
}

class ReciterInstall : public ::testing::Test {
protected:
    void SetUp() override { AppDirs.AudioDir = folder.dir() + "audio/"; }

    InstallSummary install(IFileTransfer& transfer, const std::vector<int>& suras, const std::string& name = "qari")
    {
        ReciterInstaller installer(name, ayatOfSuras(suras));
        InstallSummary summary;
        bool finished = false;
        installer.start(transfer, {}, [&](const InstallSummary& s) {
            summary = s;
            finished = true;
        });
        EXPECT_TRUE(finished);
        return summary;
    }

    std::string installed(const std::string& relative) const { return AppDirs.AudioDir + "qari/" + relative; }

    // Sura 1 flat, sura 114 in its own folder; 114:3 missing, 114:4 an error page.
    void writeSource(const fs::path& source, bool withBismillah)
    {
        for (int aya = 1; aya <= 7; ++aya)
            writeFile(source / ayaFileName(1, aya), kMp3 + std::to_string(aya));
        for (int aya : {1, 2, 5, 6})
            writeFile(source / ayaRelativePath(114, aya), kMp3);
        writeFile(source / "114" / "114004.mp3", "<html>Not Found</html>");
        writeFile(source / "audhubillah.mp3", kMp3);
        if (withBismillah)
            writeFile(source / "bismillah.mp3", kMp3);
    }

    TempFolder folder;
};

TEST_F(ReciterInstall, FolderSourceGivesThePlayersLayoutAndNamesWhatIsMissing)
{
    writeSource(folder / "source", false);
    FolderTransfer transfer((folder / "source").string());

    const InstallSummary summary = install(transfer, {1, 114});

    EXPECT_EQ(summary.installed, 12); // 7 + 4 ayat and the audhubillah
    EXPECT_EQ(summary.failures,
              (std::vector<std::string>{"114003.mp3: not in the source", "114004.mp3: not an MP3 file"}));
    EXPECT_FALSE(summary.complete());
    EXPECT_EQ(readFile(installed("001/001007.mp3")), kMp3 + "7");
    EXPECT_TRUE(fs::exists(installed("114/114006.mp3")));
    EXPECT_FALSE(fs::exists(installed("114/114004.mp3")));
    EXPECT_FALSE(fs::exists(installed("114/114004.mp3.part")));

    const IniFile ini = IniFile::load(installed("audioinit.ini"));
    EXPECT_EQ(ini.readString("offline", "URL", ""), AppDirs.AudioDir + "qari/");
    // Without a bismillah of its own, the reciter's 1:1 is the formula.
    EXPECT_EQ(ini.readString("offline", "Bismillah", ""), "001/001001.mp3");
    EXPECT_EQ(ini.readString("offline", "Bismillah2", ""), "001/001001.mp3");
    EXPECT_EQ(installedReciters(), std::vector<std::string>{"qari"});
}

TEST_F(ReciterInstall, ASecondRunFetchesOnlyWhatIsMissingAndReplacesPartialFiles)
{
    writeSource(folder / "source", true);
    FolderTransfer transfer((folder / "source").string());
    install(transfer, {114});
    // A killed run left a truncated file under its temporary name; the source is mended.
    writeFile(installed("114/114003.mp3.part"), kMp3.substr(0, 10));
    writeFile(folder / "source" / "114003.mp3", kMp3 + "whole");
    writeFile(folder / "source" / "114" / "114004.mp3", kMp3);

    const InstallSummary summary = install(transfer, {114});

    EXPECT_TRUE(summary.complete());
    EXPECT_EQ(summary.installed, 2);
    EXPECT_EQ(summary.present, 4 + 2); // four ayat, audhubillah and bismillah
    EXPECT_EQ(readFile(installed("114/114003.mp3")), kMp3 + "whole");
    EXPECT_FALSE(fs::exists(installed("114/114003.mp3.part")));
    EXPECT_EQ(IniFile::load(installed("audioinit.ini")).readString("offline", "Bismillah2", ""), "bismillah.mp3");
}

void addEntry(archive* writer, const std::string& name, const std::string& bytes, mode_t type = AE_IFREG,
              const char* linkTarget = nullptr)
{
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, name.c_str());
    archive_entry_set_filetype(entry, type);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(bytes.size()));
    if (linkTarget != nullptr)
        archive_entry_set_symlink(entry, linkTarget);
    archive_write_header(writer, entry);
    archive_write_data(writer, bytes.data(), bytes.size());
    archive_entry_free(entry);
}

TEST_F(ReciterInstall, ZipWithAHostileEntryInstallsTheRestAndWritesNothingOutside)
{
    const fs::path zip = folder / "qari.zip";
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    ASSERT_EQ(archive_write_open_filename(writer, zip.c_str()), ARCHIVE_OK);
    for (int aya = 1; aya <= 6; ++aya)
        addEntry(writer, "qari_64kbps/" + ayaFileName(114, aya), kMp3);
    addEntry(writer, "qari_64kbps/../../escaped.mp3", kMp3);
    addEntry(writer, (folder / "absolute.mp3").string(), kMp3);
    addEntry(writer, "qari_64kbps/001001.mp3", "", AE_IFLNK, "/etc/passwd");
    archive_write_close(writer);
    archive_write_free(writer);

    ASSERT_EQ(classifyReciterSource(zip.string()), ReciterSourceKind::Archive);
    const UnpackedArchive unpacked = unpackReciterArchive(zip.string(), "qari");
    EXPECT_NE(unpacked.problem.find("does not unpack"), std::string::npos) << unpacked.problem;
    FolderTransfer transfer(unpacked.root, FolderTransfer::Mode::Move);
    const InstallSummary summary = install(transfer, {114});
    removeUnpackedArchive(unpacked);

    EXPECT_TRUE(summary.failures.empty());
    EXPECT_EQ(summary.installed, 6);
    EXPECT_FALSE(fs::exists(folder / "escaped.mp3"));
    EXPECT_FALSE(fs::exists(AppDirs.AudioDir + "escaped.mp3"));
    EXPECT_FALSE(fs::exists(folder / "absolute.mp3"));
    EXPECT_FALSE(fs::exists(unpacked.folder));
}

TEST_F(ReciterInstall, NamesThatAreNotOneFolderAreRefusedAndRemoveDeletesOnlyReciters)
{
    for (const char* name : {"", "..", ".hidden", "a/b", "../up"})
        EXPECT_THROW(ReciterInstaller(name, ayatOfSuras({1})), TilvaneError) << name;
    EXPECT_THROW(classifyReciterSource((folder / "nowhere").string()), TilvaneError);

    writeSource(folder / "source", false);
    FolderTransfer transfer((folder / "source").string());
    install(transfer, {1});
    fs::create_directories(AppDirs.AudioDir + "not_a_reciter");
    EXPECT_THROW(removeReciter("not_a_reciter"), TilvaneError);
    removeReciter("qari");
    EXPECT_FALSE(fs::exists(AppDirs.AudioDir + "qari"));
    EXPECT_TRUE(fs::exists(AppDirs.AudioDir + "not_a_reciter"));
}

} // namespace
