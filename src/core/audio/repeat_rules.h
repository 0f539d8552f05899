#pragma once

#include "core/quran/quran_pos.h"

namespace tilvane {

struct TAppSet;

// What the player does when an aya's file has played to its end.
enum class AfterAya {
    RepeatAya,  // the same aya again
    PlayShown,  // the aya the user moved to meanwhile
    NextAya,    // on to the next aya
    RangeStart, // back to the first aya of the repeated range
    Stop,
};

// The memorising rules of the settings (aya repeat, range repeat, continuous play) applied
// to one run of the player.
class RepeatRules {
public:
    // A run starts: nothing counted yet.
    void reset();
    // The aya at pos starts playing; a new aya starts its count afresh.
    void ayaStarted(const TQuranPos& pos);
    // The playing aya ended while the window shows `shown`.
    AfterAya afterAya(const TAppSet& settings, const TQuranPos& shown);

private:
    TQuranPos m_playing;
    int m_ayaPlays = 0;
    int m_rangePasses = 0;
};

// The range of the settings when it is on and runs forwards between ayat that exist.
bool rangeRepeatActive(const TAppSet& settings);
TQuranPos rangeStart(const TAppSet& settings);
bool isInRange(const TAppSet& settings, const TQuranPos& pos);

// The silence after an aya that took playedMs, in milliseconds.
int pauseAfterAyaMs(const TAppSet& settings, int playedMs);

} // namespace tilvane
