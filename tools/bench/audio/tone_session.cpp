#include "tone_session.h"

#include "core/app/app_dirs.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "core/audio/following_file.h"
#include "core/audio/player.h"
#include "gui/audio/gst_media_device.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>

namespace tilvane::bench {

namespace {

constexpr const char* kReciterName = "tones";

// The window's side of the player: moves in reading order, the 100 ms timer, the notices.
class ToneHost : public IPlayerHost {
public:
    ToneHost(TQuranPos start, RenderResult& result) : m_result(result) { moveTo(start); }

    QTimer timer;
    RecitationPlayer* player = nullptr;

    void moveTo(const TQuranPos& to)
    {
        m_pos = to;
        SetAudioAya(m_pos);
        if (player != nullptr)
            player->setAyaFile(AudioAyaFile);
        m_result.shown.push_back(m_pos);
    }

    TQuranPos currentPos() const override { return m_pos; }
    void gotoNextAya() override { moveTo(nextAyaPos(m_pos)); }
    void gotoPrevAya() override { moveTo({m_pos.Sura, std::max(1, m_pos.Aya - 1)}); }
    void gotoAya(const TQuranPos& to) override { moveTo(to); }
    void processPendingEvents() override {}
    void setStatusText(const std::string&) override {}
    void reportMissingAya(const MissingAya& missing) override { m_result.missingAyat.push_back(missing); }
    void setPlayPauseButton(PlayerImage, const std::string&) override {}
    void setPlayPauseEnabled(bool) override {}
    void setProgressMaximum(int) override {}
    void setProgress(int) override {}
    void setPlayTimerEnabled(bool enabled) override
    {
        if (enabled)
            timer.start(100);
        else
            timer.stop();
    }
    void setSpeakerButton(PlayerImage, const std::string&) override {}
    void setVolumeSlider(int) override {}
    void setContinueChecked(bool) override {}

private:
    TQuranPos m_pos;
    RenderResult& m_result;
};

void guard(std::string& failure, const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        if (failure.empty())
            failure = error.what();
    }
}

} // namespace

bool installToneReciter(const std::string& folder, const std::vector<ToneAya>& ayat)
{
    const std::string recitation = withTrailingSeparator(folder) + "tone-recitation/";
    for (const ToneAya& aya : ayat) {
        const std::string sura = ZeroPad(aya.pos.Sura, 3);
        std::filesystem::create_directories(recitation + sura);
        if (!writeToneMp3(recitation + sura + "/" + sura + ZeroPad(aya.pos.Aya, 3) + ".mp3", aya.hertz,
                          aya.milliseconds))
            return false;
    }
    AppDirs.AudioDir = withTrailingSeparator(folder) + "audio/";
    AppSet.Reciter = kReciterName;
    std::filesystem::create_directories(AppDirs.AudioDir + kReciterName);
    std::ofstream(audioInitFileName()) << "[offline]\r\nURL=" << recitation << "\r\n";
    InitAudio();
    return true;
}

RenderResult renderRecitation(const RenderRequest& request)
{
    RenderResult result;
    AppSet.IsPlayContinue = request.continuous;
    AppSet.AyaPause = request.ayaPause;
    AppSet.PlaybackSpeed = request.speedPercent;
    AppSet.IsMuted = false;
    AppSet.Volume = 1000;
    const std::string sink = "wavenc ! filesink location=\"" + request.outputWav + "\"";
    setenv("TILVANE_AUDIO_SINK", sink.c_str(), 1);
    {
        GstMediaDevice device;
        ToneHost host(request.from, result);
        RecitationPlayer player(device, host);
        host.player = &player;
        player.setAyaFile(AudioAyaFile);
        player.setUpFromSettings();
        QEventLoop loop;
        const auto checkDone = [&] {
            if (!player.isActive() || !result.failure.empty())
                loop.quit();
        };
        QObject::connect(&host.timer, &QTimer::timeout, [&] {
            guard(result.failure, [&] { player.tmrPlayTimer(); });
            if (request.onTick && player.isActive())
                guard(result.failure, [&] { request.onTick(player, device); });
            checkDone();
        });
        device.setNoticeHandler([&] {
            guard(result.failure, [&] { player.mediaNotice(); });
            checkDone();
        });
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [&] {
            result.failure = "the recitation did not end within " + std::to_string(request.deadlineMs) + " ms";
            loop.quit();
        });
        guard(result.failure, [&] { player.btnPlayPauseClick(); });
        if (player.isActive() && result.failure.empty()) {
            deadline.start(request.deadlineMs);
            loop.exec();
        }
        guard(result.failure, [&] { player.btnStopClick(); });
    }
    unsetenv("TILVANE_AUDIO_SINK");
    result.audio = readWav(request.outputWav);
    return result;
}

} // namespace tilvane::bench
