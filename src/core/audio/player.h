#pragma once

#include "core/audio/following_file.h"
#include "core/audio/player_host.h"
#include "core/audio/repeat_rules.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace tilvane {

class IMediaDevice;

enum TPlayerCmd : std::uint8_t { pcPlay = 0, pcPause = 1, pcResume = 2, pcStop = 3 };

inline constexpr const char* kPlayPauseLayoutHint = "Play|Play current aya";
inline constexpr const char* kStopHint = "Stop|Stop playing current aya";
inline constexpr const char* kPrevAyaHint = "Previous Aya";
inline constexpr const char* kNextAyaHint = "Next Aya";

// Chooses one of the two bismillah recordings: 0 the first, 1 the second.
using BismillahChoice = std::function<int()>;
// A fresh std::mt19937 seeded from the clock, drawing 0 or 1.
int clockSeededBismillahChoice();

// Plays the shown aya's recitation file and, with continuous play on, walks on aya after
// aya: an audhubillah once per run, a bismillah before aya 1 of every sura but 1 and 9.
// For memorising, each aya may play several times, a range of ayat may repeat, and a
// silence may follow each aya (the player stays active and its timer counts it down).
// Reads and changes AppSet.IsPlayContinue, IsMuted, Volume and PlaybackSpeed (their only
// writer while the window runs), reads the repeat settings; plays the aya file it was last
// given and the audio unit's recordings. Every entry point runs on the GUI thread;
// the errors of the device pass through to the caller after the player has stopped.
class RecitationPlayer {
public:
    RecitationPlayer(IMediaDevice& device, IPlayerHost& host,
                     BismillahChoice chooseBismillah = clockSeededBismillahChoice);

    // The controls from the settings and the interlude marks cleared; run once at start.
    void setUpFromSettings();

    void PlayerCommand(TPlayerCmd command);
    TPlayerCmd state() const { return PlayerState; }
    // Playing or paused (the window's FAudioActive).
    bool isActive() const { return PlayerState < pcStop; }

    // The shown aya's file (SetAudioAya's), played by the next Play.
    void setAyaFile(std::string file) { m_ayaFile = std::move(file); }

    // A new sura page was built: the next aya 1 gets its bismillah again.
    void clearBismillahDone() { FBismillahDone = false; }

    void btnPlayPauseClick();
    void btnStopClick();
    void btnPlayPrevAyaClick();
    void btnPlayNextAyaClick();
    void tmrPlayTimer();
    // The device's notice (IMediaDevice::setNoticeHandler): it ran on into the queued file,
    // ended or failed. The window follows at once rather than at the next tick.
    void mediaNotice();
    void trbVolumeChange(int sliderPosition);
    void btnSpeakerClick();
    void chkAudioContinueChange(bool checked);
    // Percent, 50..200; the file that plays changes speed at once.
    void setPlaybackSpeed(int percent);
    // Waiting in the silence after an aya.
    bool isWaiting() const { return m_waitTicks > 0; }

private:
    void play();
    void pause();
    void resume();
    void stop();
    // Plays one recording before an aya; false when its file is missing.
    bool PlayInterlude(const std::string& file);
    void openAndPlay(const std::string& file);
    // The shown aya has no file: in continuous play the next aya that has one plays instead.
    bool moveToRecordedAya();
    // Checks the device after a tick or its notice: ran on, ended, failed.
    void followDevice();
    // Hands the device what plays after the file that has just started, when it follows at once.
    void queueFollowing();
    // The device runs on into the queued file: the window moves with it.
    void ranOnIntoQueued();
    // The playing aya ended: repeat, move on or stop, after the silence the settings ask for.
    void ayaEnded();
    void carryOutAfter(AfterAya step, const TQuranPos& shown);
    void carryOut(AfterAya step);
    // The stopped state after a failure, the Play/Pause button usable again.
    void endStopped();
    void showStopped();
    void showProgress(std::int64_t position);
    void showProgressMaximum(std::int64_t maximum);
    void showSpeaker();
    int effectiveVolume() const;

    IMediaDevice& m_device;
    IPlayerHost& m_host;
    BismillahChoice m_chooseBismillah;
    std::string m_ayaFile;

    TPlayerCmd PlayerState = pcStop;
    bool FAudhubillahDone = false;
    bool FBismillahDone = false;
    bool FInterludePlaying = false;
    int m_progressMaximum = 0;
    int m_progress = 0;

    RepeatRules m_repeat;
    int m_playedTicks = 0; // timer ticks while the current file played
    int m_waitTicks = 0;   // ticks of silence still to wait
    AfterAya m_afterWait = AfterAya::Stop;
    TQuranPos m_waitPos; // shown when the silence began
    std::optional<FollowingFile> m_queued; // handed to the device to play on into
    std::string m_nextBismillah; // the recording chosen for the next sura, once per boundary
};

} // namespace tilvane
