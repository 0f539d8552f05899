#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "core/audio/player.h"
#include "gui/audio/gst_media_device.h"
#include "gui/support/spoken_mp3.h"
#include "gui/support/gui_app.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tilvane;
using tilvane::test::guiApp;
using tilvane::test::makeSpokenMp3;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

// The window's side of the player with a real 100 ms timer; positions move within sura 1.
class TimerHost : public IPlayerHost {
public:
    explicit TimerHost(TQuranPos start) : pos(start) { timer.setInterval(100); }

    // What the window does on every shown aya.
    void show(TQuranPos to)
    {
        pos = to;
        SetAudioAya(pos);
        if (player != nullptr)
            player->setAyaFile(AudioAyaFile);
    }

    RecitationPlayer* player = nullptr;
    TQuranPos pos;
    QTimer timer;
    std::vector<std::string> statuses;
    std::vector<MissingAya> missingAyat;
    int largestProgressMaximum = 0;

    TQuranPos currentPos() const override { return pos; }
    void gotoNextAya() override { show({pos.Sura, pos.Aya + 1}); }
    void gotoPrevAya() override { show({pos.Sura, pos.Aya - 1}); }
    void gotoAya(const TQuranPos& to) override { show(to); }
    void processPendingEvents() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
    void setStatusText(const std::string& text) override { statuses.push_back(text); }
    void reportMissingAya(const MissingAya& missing) override { missingAyat.push_back(missing); }
    void setPlayPauseButton(PlayerImage, const std::string&) override {}
    void setPlayPauseEnabled(bool) override {}
    void setProgressMaximum(int maximum) override { largestProgressMaximum = std::max(largestProgressMaximum, maximum); }
    void setProgress(int) override {}
    void setPlayTimerEnabled(bool enabled) override
    {
        if (enabled)
            timer.start();
        else
            timer.stop();
    }
    void setSpeakerButton(PlayerImage, const std::string&) override {}
    void setVolumeSlider(int) override {}
    void setContinueChecked(bool) override {}
};

TEST(RecitationPlayerOnGStreamer, ContinuousPlayRunsThroughTheRecordedAyatAndStopsAtTheFirstMissingOne)
{
    guiApp();
    TempFolder folder;
    const std::string recitation = folder.dir() + "recitation/";
    std::filesystem::create_directories(recitation + "001");
    ASSERT_TRUE(makeSpokenMp3("Praise be to God", recitation + "001/001001.mp3"));
    ASSERT_TRUE(makeSpokenMp3("Lord of the worlds", recitation + "001/001002.mp3"));

    AppSet = TAppSet{};
    AppSet.IsMuted = true;
    AppDirs.AudioDir = folder.dir() + "audio/";
    writeFile(audioInitFileName(), "[offline]\r\nURL=" + recitation + "\r\n");
    InitAudio();

    GstMediaDevice device;
    TimerHost host({1, 1});
    RecitationPlayer player(device, host);
    host.player = &player;
    host.show({1, 1});
    player.setUpFromSettings();
    std::string failure;
    QObject::connect(&host.timer, &QTimer::timeout, [&] {
        try {
            player.tmrPlayTimer();
        } catch (const std::exception& error) {
            failure = error.what();
        }
    });

    player.btnPlayPauseClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player.isActive(); }, 60000));

    EXPECT_EQ(failure, "");
    // Both files ran to their end; the missing third one stops the run.
    EXPECT_EQ(host.pos, (TQuranPos{1, 3}));
    EXPECT_EQ(host.statuses.back(), "Stopped");
    EXPECT_GT(host.largestProgressMaximum, 0);
}

} // namespace
