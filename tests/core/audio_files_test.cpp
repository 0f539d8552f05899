#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "fake_media_device.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>

using namespace tilvane;
using tilvane::test::FakeMediaDevice;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

class AudioFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppSet = TAppSet{};
        AppSet.Reciter = "reader one";
        AppDirs.AudioDir = folder.dir() + "audio/";
    }

    void writeDescription(const std::string& offlineKeys)
    {
        writeFile(AppDirs.AudioDir + "reader one/audioinit.ini", "[offline]\r\n" + offlineKeys);
    }

    TempFolder folder;
};

TEST_F(AudioFiles, DescriptionLivesInTheReciterFolder)
{
    EXPECT_EQ(audioInitFileName(), AppDirs.AudioDir + "reader one/audioinit.ini");
}

TEST_F(AudioFiles, UrlWithOrWithoutTrailingSeparatorGivesTheSameFolder)
{
    for (const std::string url : {"/data/recitation", "/data/recitation/"}) {
        writeDescription("URL=" + url + "\r\n");
        InitAudio();
        EXPECT_EQ(AudioPath, "/data/recitation/") << url;
    }
}

TEST_F(AudioFiles, AyaFilesLieInAZeroPaddedFolderPerSura)
{
    writeDescription("URL=/r\r\n");
    InitAudio();

    struct Case {
        TQuranPos pos;
        const char* file;
    };
    for (const Case& c : {Case{{114, 6}, "/r/114/114006.mp3"}, Case{{9, 129}, "/r/009/009129.mp3"},
                          Case{{2, 255}, "/r/002/002255.mp3"}, Case{{1, 1}, "/r/001/001001.mp3"}}) {
        SetAudioAya(c.pos);
        EXPECT_EQ(AudioAyaFile, c.file);
    }
}

TEST_F(AudioFiles, AyaLabelShowsTheLatinNameAndUnpaddedNumbers)
{
    writeDescription("URL=/r\r\n");
    InitAudio();
    EXPECT_EQ(SetAudioAya({1, 2}), "Al-Fatihah (1:2)");
    // A saved position beyond the table still gives a label, without a name.
    EXPECT_EQ(SetAudioAya({115, 1}), "(115:1)");
}

TEST_F(AudioFiles, DescriptionNamingOnlyTheFolderGivesTheDefaultRecordings)
{
    writeDescription("URL=/r/\r\n");
    InitAudio();
    EXPECT_EQ(AudhubillahFile, "/r/audhubillah.mp3");
    EXPECT_EQ(BismillahFile, "/r/bismillah.mp3");
    EXPECT_EQ(Bismillah2File, "/r/bismillah2.mp3");
    EXPECT_EQ(SadaghallahFile, "/r/sadaghallah.mp3");
}

TEST_F(AudioFiles, RecordingNamesComeFromTheDescriptionWithoutRegardToCase)
{
    writeDescription("url=/r\r\nAUDHUBILLAH=a.mp3\r\nbismillah=b1.mp3\r\nBismillah2=b2.mp3\r\nSadaghallah=s.mp3\r\n");
    InitAudio();
    EXPECT_EQ(AudhubillahFile, "/r/a.mp3");
    EXPECT_EQ(BismillahFile, "/r/b1.mp3");
    EXPECT_EQ(Bismillah2File, "/r/b2.mp3");
    EXPECT_EQ(SadaghallahFile, "/r/s.mp3");
}

TEST_F(AudioFiles, WithoutAFolderNoFileIsNamedAtAll)
{
    for (const bool hasFile : {false, true}) {
        if (hasFile)
            writeDescription("Audhubillah=a.mp3\r\n");
        InitAudio();
        SetAudioAya({1, 1});
        // Not "/001/001001.mp3": nothing is looked up at the root of the file system.
        EXPECT_EQ(AudioPath, "");
        EXPECT_EQ(AudioAyaFile, "");
        EXPECT_EQ(AudhubillahFile, "");
        EXPECT_EQ(BismillahFile, "");
    }
}

// A description that is there but cannot be read is reported as the other data files are,
// and gives no recitation; a missing one is no problem.
TEST_F(AudioFiles, ADescriptionThatIsNoRegularFileIsReportedAndGivesNoRecitation)
{
    const std::string path = audioInitFileName();
    const struct {
        const char* what;
        std::function<void()> make;
        const char* reason; // "" for no problem
    } cases[] = {
        {"missing", [] {}, ""},
        {"a FIFO", [&] { ::mkfifo(path.c_str(), 0600); }, "It is not a regular file."},
        {"a folder", [&] { std::filesystem::create_directories(path); }, "It is a folder, not a file."},
        {"a link to a device", [&] { std::filesystem::create_symlink("/dev/zero", path); }, "It is not a regular file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(AppDirs.AudioDir);
        std::filesystem::create_directories(AppDirs.AudioDir + "reader one");
        c.make();
        const std::string problem = InitAudio();
        EXPECT_EQ(problem, *c.reason ? "Cannot open file \"" + path + "\". " + c.reason : "");
        EXPECT_EQ(AudioPath, "");
    }
    std::filesystem::remove(path);
    writeDescription("URL=/r\r\n");
    EXPECT_EQ(InitAudio(), "");
    EXPECT_EQ(AudioPath, "/r/");
}

TEST(SetMediaVolume, ClampsToTheScaleAndNeedsAnOpenFile)
{
    FakeMediaDevice device;
    SetMediaVolume(device, 500);
    EXPECT_EQ(device.volume, -1);

    device.open("/r/001/001001.mp3");
    for (const auto& [given, applied] : {std::pair{0, 0}, {1000, 1000}, {640, 640}, {-5, 0}, {1500, 1000}}) {
        SetMediaVolume(device, given);
        EXPECT_EQ(device.volume, applied) << given;
    }
}

} // namespace
