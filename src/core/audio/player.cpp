#include "core/audio/player.h"

#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "core/audio/media_device.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <random>
#include <utility>

namespace tilvane {

namespace {

constexpr int kMaxVolume = 1000;
constexpr int kTickMs = 100; // the play timer's interval

int clampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

int clockSeededBismillahChoice()
{
    std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return std::uniform_int_distribution<int>(0, 1)(generator);
}

RecitationPlayer::RecitationPlayer(IMediaDevice& device, IPlayerHost& host, BismillahChoice chooseBismillah)
    : m_device(device), m_host(host), m_chooseBismillah(std::move(chooseBismillah))
{
}

void RecitationPlayer::setUpFromSettings()
{
    m_host.setVolumeSlider(std::clamp(kMaxVolume - AppSet.Volume, 0, kMaxVolume));
    showSpeaker();
    m_host.setContinueChecked(AppSet.IsPlayContinue);
    FAudhubillahDone = false;
    FBismillahDone = false;
    FInterludePlaying = false;

    PlayerState = pcStop;
    m_host.setStatusText("Stopped");
    m_host.setPlayPauseButton(kPlayImage, kPlayPauseLayoutHint);
    m_host.setPlayPauseEnabled(true);
    m_progressMaximum = 0;
    m_host.setProgressMaximum(0);
    m_progress = 0;
    m_host.setProgress(0);
    m_host.setPlayTimerEnabled(false);
}

void RecitationPlayer::PlayerCommand(TPlayerCmd command)
{
    PlayerState = command;
    try {
        switch (command) {
        case pcPlay: play(); break;
        case pcPause: pause(); break;
        case pcResume: resume(); break;
        case pcStop: stop(); break;
        }
    } catch (...) {
        // The command ends where the device failed; the controls must not stay half-set.
        endStopped();
        throw;
    }
}

void RecitationPlayer::play()
{
    m_waitTicks = 0;
    m_host.setPlayPauseEnabled(false);
    m_host.setStatusText("Playing");
    if (!recordingExists(m_ayaFile) && !moveToRecordedAya()) {
        stop();
        m_host.setPlayPauseEnabled(true);
        return;
    }

    const TQuranPos pos = m_host.currentPos();
    bool interludeStarted = false;
    if (AppSet.IsPlayContinue && !FAudhubillahDone) {
        FAudhubillahDone = true;
        interludeStarted = PlayInterlude(AudhubillahFile);
    }
    if (!interludeStarted && bismillahDue(AppSet, pos) && !FBismillahDone) {
        FBismillahDone = true;
        interludeStarted = PlayInterlude(m_chooseBismillah() == 0 ? BismillahFile : Bismillah2File);
    }
    if (!interludeStarted) {
        FInterludePlaying = false;
        m_repeat.ayaStarted(pos);
        openAndPlay(m_ayaFile);
    }
    m_host.setPlayPauseEnabled(true);
}

bool RecitationPlayer::moveToRecordedAya()
{
    // Without any recitation the reciter panel says so already.
    if (AudioPath.empty())
        return false;
    const TQuranPos missing = m_host.currentPos();
    const std::optional<TQuranPos> recorded = AppSet.IsPlayContinue ? nextRecordedAya(missing) : std::nullopt;
    m_host.reportMissingAya({missing, m_ayaFile, recorded});
    if (!recorded)
        return false;
    m_host.gotoAya(*recorded);
    m_host.processPendingEvents();
    return recordingExists(m_ayaFile);
}

bool RecitationPlayer::PlayInterlude(const std::string& file)
{
    if (!recordingExists(file))
        return false;
    FInterludePlaying = true;
    openAndPlay(file);
    return true;
}

void RecitationPlayer::openAndPlay(const std::string& file)
{
    // Opening may wait on the event loop; no tick may look at a half-opened file.
    m_host.setPlayTimerEnabled(false);
    showProgress(0);
    m_queued.reset(); // opening drops what the device had queued
    m_device.close();
    m_device.open(file);
    showProgressMaximum(m_device.length());
    SetMediaVolume(m_device, effectiveVolume());
    m_device.setPlaybackRate(AppSet.PlaybackSpeed / 100.0);
    m_host.setPlayPauseButton(kPauseImage, "Pause");
    m_playedTicks = 0;
    m_device.play();
    queueFollowing();
    m_host.setPlayTimerEnabled(true);
}

// Run again on every tick: a move of the window or a change of the settings meanwhile changes
// what follows, and the device must not run on into a file the player would not choose.
void RecitationPlayer::queueFollowing()
{
    const std::string queuedBefore = m_queued ? m_queued->file : std::string();
    m_queued.reset();
    const TQuranPos shown = m_host.currentPos();
    if (FInterludePlaying) {
        // After the audhubillah a bismillah still due starts the usual way.
        const bool bismillahNext = !FBismillahDone && bismillahDue(AppSet, shown);
        if (!bismillahNext && recordingExists(m_ayaFile))
            m_queued = FollowingFile{m_ayaFile, shown, AfterAya::PlayShown, false};
    } else {
        if (m_nextBismillah.empty())
            m_nextBismillah = m_chooseBismillah() == 0 ? BismillahFile : Bismillah2File;
        m_queued = fileAfterAya(AppSet, m_repeat, shown, FBismillahDone, m_nextBismillah);
    }
    const std::string queued = m_queued ? m_queued->file : std::string();
    if (queued != queuedBefore)
        m_device.queueNext(queued);
}

void RecitationPlayer::ranOnIntoQueued()
{
    const std::optional<FollowingFile> next = std::exchange(m_queued, std::nullopt);
    m_nextBismillah.clear();
    const TQuranPos shown = m_host.currentPos();
    if (FInterludePlaying) {
        FInterludePlaying = false;
        // Moved elsewhere during the recording: the aya moved to starts afresh.
        if (!next || shown != next->pos || m_ayaFile != next->file) {
            carryOut(AfterAya::PlayShown);
            return;
        }
    } else {
        const AfterAya step = m_repeat.afterAya(AppSet, shown);
        // The settings changed since the file was queued: their own way on, from a stop.
        if (!next || step != next->step || AppSet.AyaPause != 0) {
            carryOutAfter(step, shown);
            return;
        }
        if (step == AfterAya::NextAya)
            m_host.gotoNextAya();
        else if (step == AfterAya::RangeStart)
            m_host.gotoAya(rangeStart(AppSet));
        if (m_host.currentPos() != next->pos) {
            carryOut(AfterAya::PlayShown);
            return;
        }
        if (next->bismillah) {
            FBismillahDone = true;
            FInterludePlaying = true;
        }
    }
    if (!FInterludePlaying)
        m_repeat.ayaStarted(next->pos);
    m_playedTicks = 0;
    showProgress(0);
    showProgressMaximum(m_device.length());
    queueFollowing();
}

void RecitationPlayer::pause()
{
    m_host.setStatusText("Paused");
    m_host.setPlayPauseEnabled(false);
    m_host.setPlayPauseButton(kPlayImage, "Resume");
    // In the silence after an aya the file has already ended; only the count stops.
    if (!isWaiting())
        m_device.pause();
    m_host.setPlayTimerEnabled(false);
    m_host.setPlayPauseEnabled(true);
}

void RecitationPlayer::resume()
{
    if (isWaiting()) {
        m_host.setStatusText("Waiting");
        m_host.setPlayPauseButton(kPauseImage, "Pause");
        m_host.setPlayTimerEnabled(true);
        return;
    }
    // Moved to another aya while paused, or paused in a recording: start the shown aya.
    if (m_device.fileName() != m_ayaFile) {
        PlayerState = pcPlay;
        play();
        return;
    }
    m_host.setStatusText("Playing");
    m_host.setPlayPauseEnabled(false);
    m_host.setPlayPauseButton(kPauseImage, "Pause");
    m_device.resume();
    m_host.setPlayTimerEnabled(true);
    m_host.setPlayPauseEnabled(true);
}

void RecitationPlayer::stop()
{
    showStopped();
    // Stop before anything was played is no error for the user.
    if (m_device.isOpen())
        m_device.stop();
}

void RecitationPlayer::endStopped()
{
    showStopped();
    m_host.setPlayPauseEnabled(true);
}

void RecitationPlayer::showStopped()
{
    PlayerState = pcStop;
    m_queued.reset();
    m_waitTicks = 0;
    m_host.setStatusText("Stopped");
    m_host.setPlayPauseButton(kPlayImage, "Play");
    showProgress(0);
    m_host.setPlayTimerEnabled(false);
}

void RecitationPlayer::btnPlayPauseClick()
{
    if (!isActive()) {
        m_repeat.reset();
        // A run with a repeated range plays the range, wherever the window stood.
        if (rangeRepeatActive(AppSet) && !isInRange(AppSet, m_host.currentPos())) {
            m_host.gotoAya(rangeStart(AppSet));
            m_host.processPendingEvents();
        }
        PlayerCommand(pcPlay);
    }
    else if (PlayerState == pcPlay || PlayerState == pcResume)
        PlayerCommand(pcPause);
    else
        PlayerCommand(pcResume);
}

void RecitationPlayer::btnStopClick()
{
    PlayerCommand(pcStop);
}

void RecitationPlayer::btnPlayPrevAyaClick()
{
    if (isActive())
        PlayerCommand(pcStop);
    m_repeat.reset();
    m_host.gotoPrevAya();
    m_host.processPendingEvents();
    PlayerCommand(pcPlay);
}

void RecitationPlayer::btnPlayNextAyaClick()
{
    if (isActive())
        PlayerCommand(pcStop);
    m_repeat.reset();
    m_host.gotoNextAya();
    m_host.processPendingEvents();
    PlayerCommand(pcPlay);
}

void RecitationPlayer::tmrPlayTimer()
{
    // A tick queued before the timer was switched off.
    if (PlayerState != pcPlay && PlayerState != pcResume)
        return;
    if (isWaiting()) {
        if (--m_waitTicks == 0)
            carryOut(m_host.currentPos() == m_waitPos ? m_afterWait : AfterAya::PlayShown);
        return;
    }
    ++m_playedTicks;
    followDevice();
}

void RecitationPlayer::mediaNotice()
{
    if ((PlayerState != pcPlay && PlayerState != pcResume) || isWaiting())
        return;
    followDevice();
}

void RecitationPlayer::followDevice()
{
    if (m_device.takeQueuedStart()) {
        ranOnIntoQueued();
        return;
    }
    queueFollowing();
    bool finished = false;
    try {
        // The length may become known only after playback has started: read it every tick.
        showProgressMaximum(m_device.length());
        if (m_progressMaximum != 0)
            showProgress(m_device.position());
        // An unknown (0) length is never taken for the end of the file, nor is the last
        // position before the device runs on into a queued file.
        finished = m_device.reachedEnd() || (!m_queued && m_progressMaximum > 0 && m_progress >= m_progressMaximum);
    } catch (...) {
        endStopped();
        throw;
    }
    if (!finished)
        return;

    if (FInterludePlaying) {
        PlayerCommand(pcStop);
        FInterludePlaying = false;
        PlayerCommand(pcPlay);
    } else {
        ayaEnded();
    }
}

void RecitationPlayer::ayaEnded()
{
    const TQuranPos shown = m_host.currentPos();
    carryOutAfter(m_repeat.afterAya(AppSet, shown), shown);
}

void RecitationPlayer::carryOutAfter(AfterAya step, const TQuranPos& shown)
{
    const int silence = step == AfterAya::Stop ? 0 : pauseAfterAyaMs(AppSet, m_playedTicks * kTickMs);
    if (silence <= 0) {
        carryOut(step);
        return;
    }
    m_afterWait = step;
    m_waitPos = shown;
    m_waitTicks = std::max(1, (silence + kTickMs - 1) / kTickMs);
    m_queued.reset();
    m_device.stop();
    showProgress(0);
    m_host.setStatusText("Waiting");
}

void RecitationPlayer::carryOut(AfterAya step)
{
    PlayerCommand(pcStop);
    switch (step) {
    case AfterAya::Stop:
        return;
    case AfterAya::RepeatAya:
    case AfterAya::PlayShown:
        break;
    case AfterAya::NextAya:
        m_host.gotoNextAya();
        m_host.processPendingEvents();
        break;
    case AfterAya::RangeStart:
        m_host.gotoAya(rangeStart(AppSet));
        m_host.processPendingEvents();
        break;
    }
    PlayerCommand(pcPlay);
}

// While muted the new volume waits for the unmute: the button must not say muted while
// sound is heard.
void RecitationPlayer::trbVolumeChange(int sliderPosition)
{
    AppSet.Volume = kMaxVolume - sliderPosition;
    SetMediaVolume(m_device, effectiveVolume());
}

void RecitationPlayer::btnSpeakerClick()
{
    AppSet.IsMuted = !AppSet.IsMuted;
    showSpeaker();
    SetMediaVolume(m_device, effectiveVolume());
}

void RecitationPlayer::chkAudioContinueChange(bool checked)
{
    AppSet.IsPlayContinue = checked;
}

void RecitationPlayer::setPlaybackSpeed(int percent)
{
    AppSet.PlaybackSpeed = std::clamp(percent, 50, 200);
    if (m_device.isOpen())
        m_device.setPlaybackRate(AppSet.PlaybackSpeed / 100.0);
}

void RecitationPlayer::showProgress(std::int64_t position)
{
    const int progress = clampToInt(position);
    if (progress == m_progress)
        return;
    m_progress = progress;
    m_host.setProgress(progress);
}

void RecitationPlayer::showProgressMaximum(std::int64_t maximum)
{
    const int progressMaximum = clampToInt(maximum);
    if (progressMaximum == m_progressMaximum)
        return;
    m_progressMaximum = progressMaximum;
    m_host.setProgressMaximum(progressMaximum);
}

void RecitationPlayer::showSpeaker()
{
    if (AppSet.IsMuted)
        m_host.setSpeakerButton(kSpeakerMutedImage, "Unmute");
    else
        m_host.setSpeakerButton(kSpeakerOnImage, "Mute");
}

int RecitationPlayer::effectiveVolume() const
{
    return AppSet.IsMuted ? 0 : AppSet.Volume;
}

} // namespace tilvane
