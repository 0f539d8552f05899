#pragma once

#include <cstdint>
#include <string>

namespace tilvane {

// Colours are Windows colour values: 0x00BBGGRR, red in the low byte.
using ColorRef = std::int32_t;

constexpr ColorRef rgbColor(int red, int green, int blue)
{
    return static_cast<ColorRef>(red | (green << 8) | (blue << 16));
}

// The user's settings, read at the first show of the main window and saved at its close.
struct TAppSet {
    int ArabicFontSize = 16;
    ColorRef ArabicFontColor = rgbColor(82, 168, 19);
    ColorRef ArabicLatinFontColor = rgbColor(82, 168, 19);
    std::string TransFontName = "Tahoma";
    int TransFontSize = 8;
    ColorRef TransFontColor = 0;
    std::uint8_t ViewStyle = 0;
    int LastOpenedSura = 1;
    int LastOpenedAya = 1;
    bool IsMuted = false;
    bool IsPlayContinue = true;
    int Volume = 800;
    std::string Reciter = "darvel_40kbps";
    // Recitation speed in percent: 50..200 in steps of 25.
    int PlaybackSpeed = 100;
    // Plays of each aya before the player moves on: 1..10, 0 without end.
    int AyaRepeat = 1;
    // Silence after each aya in seconds, 0..10; kAyaPauseAsAya waits as long as the aya took.
    int AyaPause = 0;
    // Repeat the ayat from RangeFrom to RangeTo (sura:aya, across suras if need be)
    // RangeRepeat times (1..10, 0 without end).
    bool IsRangeRepeat = false;
    int RangeFromSura = 1;
    int RangeFromAya = 1;
    int RangeToSura = 1;
    int RangeToAya = 7;
    int RangeRepeat = 3;
    // [view]: the page's zoom in percent (kZoomMin..kZoomMax) and its colours: "light",
    // "sepia" or "night".
    int Zoom = 100;
    std::string Theme = "light";

    // Tajweed colours on the sura pages ("view" / "Tajweed"); off keeps the pages as they were.
    bool Tajweed = false;
    // The interface language: "system" (the environment's), "en", "id" or "ar".
    std::string Language = "system";
};

inline constexpr int kZoomMin = 30;
inline constexpr int kZoomMax = 300;

inline constexpr int kAyaPauseAsAya = -1;

extern TAppSet AppSet;

class IniFile;

// The values Language may hold; any other stored value reads as "system".
inline constexpr const char* kLanguageValues[] = {"system", "en", "id", "ar"};

// The stored interface language alone, for the start before the windows exist.
std::string loadLanguageSetting();

// Reads IniFileName into AppSet; missing keys and a missing file give the defaults.
void LoadSettings();
// Reads the file as it is now, updates only the settings' own keys and replaces the file
// atomically, so that sections written meanwhile by others survive. Throws TilvaneError
// "Unable to write to <path>" and leaves the old file intact when the system refuses.
// Refuses to replace a file it could not read, so that no setting stored there is lost:
// throws TilvaneError "Unable to read <path>; your settings were not saved".
void SaveSettings();

// IniFileName as it is now, for a save that updates its own keys; a missing file is empty.
// Throws TilvaneError "Unable to read <path>; your settings were not saved" when it exists
// and cannot be read.
IniFile loadSettingsFileForUpdate();

} // namespace tilvane
