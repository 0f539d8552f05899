#include "core/base/errors.h"
#include "gui/audio/gst_media_device.h"
#include "gui/support/spoken_mp3.h"
#include "gui/support/gui_app.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QTest>

#include <string>

using namespace tilvane;
using tilvane::test::guiApp;
using tilvane::test::makeSpokenMp3;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

constexpr int kPlaybackDeadlineMs = 30000;

class GstMediaDeviceTest : public ::testing::Test {
protected:
    // Before the fixture's device exists: Qt objects need the application first.
    static void SetUpTestSuite() { guiApp(); }

    void SetUp() override
    {
        mp3 = (folder / "phrase.mp3").string();
        ASSERT_TRUE(makeSpokenMp3("In the name of God, the most gracious, the most merciful", mp3))
            << "espeak-ng and lame are needed to make the test recording";
        device.setVolume(0);
    }

    bool waitFor(const std::function<bool()>& condition)
    {
        return QTest::qWaitFor(condition, kPlaybackDeadlineMs);
    }

    // Without a sound card GStreamer falls back to a sink that may run ahead of real time on
    // a starved machine, finishing a file before any position between is seen. A test about
    // positions during playback cannot say anything then.
    bool waitForPositionDuringPlayback(std::int64_t atLeast)
    {
        return waitFor([&] { return device.position() >= atLeast || device.reachedEnd(); })
            && !device.reachedEnd();
    }

    TempFolder folder;
    std::string mp3;
    GstMediaDevice device;
};

TEST_F(GstMediaDeviceTest, PlaysAnMp3ToTheEndAndLearnsItsLength)
{
    device.open(mp3);
    EXPECT_TRUE(device.isOpen());
    EXPECT_EQ(device.fileName(), mp3);
    EXPECT_EQ(device.position(), 0);

    device.play();
    ASSERT_TRUE(waitFor([&] { return device.reachedEnd(); }));

    // The phrase lasts some seconds.
    EXPECT_GT(device.length(), 1000);
    EXPECT_LT(device.length(), 10000);
    EXPECT_EQ(device.position(), device.length());
}

TEST_F(GstMediaDeviceTest, PauseAndResumeKeepThePosition)
{
    device.open(mp3);
    device.play();
    if (!waitForPositionDuringPlayback(500))
        GTEST_SKIP() << "the audio sink ran ahead of real time on this busy machine";

    device.pause();
    const std::int64_t pausedAt = device.position();
    device.resume();
    ASSERT_TRUE(waitFor([&] { return device.position() > pausedAt; }));
    EXPECT_GE(device.position(), pausedAt);
    EXPECT_FALSE(device.reachedEnd());

    ASSERT_TRUE(waitFor([&] { return device.reachedEnd(); }));
}

TEST_F(GstMediaDeviceTest, StopRewindsAndReopeningPlaysAgain)
{
    device.open(mp3);
    device.play();
    if (!waitForPositionDuringPlayback(300))
        GTEST_SKIP() << "the audio sink ran ahead of real time on this busy machine";

    device.stop();
    EXPECT_TRUE(waitFor([&] { return device.position() == 0; }));

    device.open(mp3);
    device.play();
    EXPECT_TRUE(waitFor([&] { return device.position() > 0 || device.reachedEnd(); }));
    EXPECT_TRUE(device.isOpen());
}

TEST_F(GstMediaDeviceTest, FilesThatCannotPlayRaiseAnErrorNamingThem)
{
    const std::string text = (folder / "not audio.mp3").string();
    writeFile(text, "This is a text file, not a recording.\n");
    const std::string missing = (folder / "missing.mp3").string();

    for (const std::string& file : {text, missing}) {
        try {
            device.open(file);
            ADD_FAILURE() << "no error for " << file;
        } catch (const TilvaneError& error) {
            EXPECT_NE(std::string(error.what()).find("\"" + file + "\""), std::string::npos) << error.what();
        }
        EXPECT_FALSE(device.isOpen());
        EXPECT_EQ(device.fileName(), file);
        EXPECT_FALSE(device.reachedEnd());
        EXPECT_THROW(device.play(), TilvaneError);
    }

    // A refused file leaves the device usable for the next one.
    device.open(mp3);
    EXPECT_TRUE(device.isOpen());
}

} // namespace
