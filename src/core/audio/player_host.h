#pragma once

#include "core/quran/quran_pos.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tilvane {

// The glyphs of the Play/Pause and speaker buttons.
enum PlayerImage : std::uint8_t { kPlayImage = 0, kPauseImage = 1, kSpeakerMutedImage = 16, kSpeakerOnImage = 17 };

// An aya whose recitation file is not there, and the aya continuous play went on from
// (none when playing stopped at it).
struct MissingAya {
    TQuranPos aya;
    std::string file;
    std::optional<TQuranPos> playingOnFrom;
    bool operator==(const MissingAya&) const = default;
};

// What the recitation player needs from the window that shows it: the shown position, the
// window's own aya navigation, and the controls of the player's tab. Hints are "short|long".
class IPlayerHost {
public:
    virtual ~IPlayerHost() = default;

    // The shown sura and aya (FCurPos).
    virtual TQuranPos currentPos() const = 0;
    // The window's Next Aya / Prev Aya commands, with their wrap-around; they move the
    // shown position and set the aya's file through SetAudioAya.
    virtual void gotoNextAya() = 0;
    virtual void gotoPrevAya() = 0;
    // Shows the given aya, as Go does (the first aya of a repeated range).
    virtual void gotoAya(const TQuranPos& pos) = 0;
    // One round of pending GUI work, so the window shows the new aya before the file opens.
    virtual void processPendingEvents() = 0;

    virtual void setStatusText(const std::string& text) = 0;
    // Said where the reader looks for what happened (the window's status bar).
    virtual void reportMissingAya(const MissingAya& missing) = 0;
    // kPlayImage or kPauseImage.
    virtual void setPlayPauseButton(PlayerImage image, const std::string& hint) = 0;
    virtual void setPlayPauseEnabled(bool enabled) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgress(int position) = 0;
    // The 100 ms timer whose ticks go to RecitationPlayer::tmrPlayTimer.
    virtual void setPlayTimerEnabled(bool enabled) = 0;
    // kSpeakerMutedImage or kSpeakerOnImage.
    virtual void setSpeakerButton(PlayerImage image, const std::string& hint) = 0;
    // The volume slider's position, 0 (top, loudest) to 1000.
    virtual void setVolumeSlider(int position) = 0;
    virtual void setContinueChecked(bool checked) = 0;
};

} // namespace tilvane
