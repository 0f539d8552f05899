#include "core/app/settings.h"

#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/base/ini_file.h"

#include <algorithm>

namespace tilvane {

TAppSet AppSet;

namespace {

constexpr const char* kFonts = "fonts";
constexpr const char* kQuran = "quran";
constexpr const char* kAudio = "audio";
constexpr const char* kGeneral = "general";
constexpr const char* kView = "view";

int readClamped(const IniFile& ini, const char* key, int defaultValue, int low, int high)
{
    return std::clamp(ini.readInteger(kAudio, key, defaultValue), low, high);
}

void loadRecitationOptions(const IniFile& ini, const TAppSet& defaults)
{
    const int speed = readClamped(ini, "PlaybackSpeed", defaults.PlaybackSpeed, 50, 200);
    AppSet.PlaybackSpeed = (speed + 12) / 25 * 25;
    AppSet.AyaRepeat = readClamped(ini, "AyaRepeat", defaults.AyaRepeat, 0, 10);
    AppSet.AyaPause = readClamped(ini, "AyaPause", defaults.AyaPause, kAyaPauseAsAya, 10);
    AppSet.IsRangeRepeat = ini.readBool(kAudio, "IsRangeRepeat", defaults.IsRangeRepeat);
    AppSet.RangeFromSura = ini.readInteger(kAudio, "RangeFromSura", defaults.RangeFromSura);
    AppSet.RangeFromAya = ini.readInteger(kAudio, "RangeFromAya", defaults.RangeFromAya);
    AppSet.RangeToSura = ini.readInteger(kAudio, "RangeToSura", defaults.RangeToSura);
    AppSet.RangeToAya = ini.readInteger(kAudio, "RangeToAya", defaults.RangeToAya);
    AppSet.RangeRepeat = readClamped(ini, "RangeRepeat", defaults.RangeRepeat, 0, 10);
}

void saveRecitationOptions(IniFile& ini)
{
    ini.writeInteger(kAudio, "PlaybackSpeed", AppSet.PlaybackSpeed);
    ini.writeInteger(kAudio, "AyaRepeat", AppSet.AyaRepeat);
    ini.writeInteger(kAudio, "AyaPause", AppSet.AyaPause);
    ini.writeBool(kAudio, "IsRangeRepeat", AppSet.IsRangeRepeat);
    ini.writeInteger(kAudio, "RangeFromSura", AppSet.RangeFromSura);
    ini.writeInteger(kAudio, "RangeFromAya", AppSet.RangeFromAya);
    ini.writeInteger(kAudio, "RangeToSura", AppSet.RangeToSura);
    ini.writeInteger(kAudio, "RangeToAya", AppSet.RangeToAya);
    ini.writeInteger(kAudio, "RangeRepeat", AppSet.RangeRepeat);
}

void loadViewOptions(const IniFile& ini, const TAppSet& defaults)
{
    AppSet.Zoom = std::clamp(ini.readInteger(kView, "Zoom", defaults.Zoom), kZoomMin, kZoomMax);
    const std::string theme = ini.readString(kView, "Theme", defaults.Theme);
    AppSet.Theme = theme == "sepia" || theme == "night" ? theme : defaults.Theme;
    AppSet.Tajweed = ini.readBool(kView, "Tajweed", defaults.Tajweed);
}

void saveViewOptions(IniFile& ini)
{
    ini.writeInteger(kView, "Zoom", AppSet.Zoom);
    ini.writeString(kView, "Theme", AppSet.Theme);
    ini.writeBool(kView, "Tajweed", AppSet.Tajweed);
}

std::string readLanguage(const IniFile& ini)
{
    const std::string value = ini.readString(kGeneral, "Language", "system");
    for (const char* known : kLanguageValues) {
        if (value == known)
            return value;
    }
    return "system";
}

} // namespace

std::string loadLanguageSetting()
{
    return readLanguage(IniFile::load(IniFileName));
}

void LoadSettings()
{
    const IniFile ini = IniFile::load(IniFileName);
    const TAppSet defaults;
    AppSet.ArabicFontSize = ini.readInteger(kFonts, "ArabicFontSize", defaults.ArabicFontSize);
    AppSet.ArabicFontColor = ini.readInteger(kFonts, "ArabicFontColor", defaults.ArabicFontColor);
    AppSet.ArabicLatinFontColor = ini.readInteger(kFonts, "ArabicLatinFontColor", defaults.ArabicLatinFontColor);
    AppSet.TransFontName = ini.readString(kFonts, "TransFontName", defaults.TransFontName);
    AppSet.TransFontSize = ini.readInteger(kFonts, "TransFontSize", defaults.TransFontSize);
    AppSet.TransFontColor = ini.readInteger(kFonts, "TransFontColor", defaults.TransFontColor);
    AppSet.ViewStyle = static_cast<std::uint8_t>(ini.readInteger(kQuran, "ViewStyle", defaults.ViewStyle) & 0xFF);
    AppSet.LastOpenedSura = ini.readInteger(kQuran, "LastOpenedSura", defaults.LastOpenedSura);
    AppSet.LastOpenedAya = ini.readInteger(kQuran, "LastOpenedAya", defaults.LastOpenedAya);
    AppSet.IsMuted = ini.readBool(kAudio, "IsMuted", defaults.IsMuted);
    AppSet.IsPlayContinue = ini.readBool(kAudio, "IsPlayContinue", defaults.IsPlayContinue);
    AppSet.Volume = ini.readInteger(kAudio, "Volume", defaults.Volume);
    AppSet.Reciter = ini.readString(kAudio, "Reciter", defaults.Reciter);
    loadRecitationOptions(ini, defaults);
    loadViewOptions(ini, defaults);
    AppSet.Language = readLanguage(ini);
}

IniFile loadSettingsFileForUpdate()
{
    std::optional<IniFile> ini = IniFile::loadIfReadable(IniFileName);
    if (!ini)
        throw TilvaneError("Unable to read " + IniFileName + "; your settings were not saved");
    return std::move(*ini);
}

void SaveSettings()
{
    IniFile ini = loadSettingsFileForUpdate();
    ini.writeInteger(kFonts, "ArabicFontSize", AppSet.ArabicFontSize);
    ini.writeInteger(kFonts, "ArabicFontColor", AppSet.ArabicFontColor);
    ini.writeInteger(kFonts, "ArabicLatinFontColor", AppSet.ArabicLatinFontColor);
    ini.writeString(kFonts, "TransFontName", AppSet.TransFontName);
    ini.writeInteger(kFonts, "TransFontSize", AppSet.TransFontSize);
    ini.writeInteger(kFonts, "TransFontColor", AppSet.TransFontColor);
    ini.writeInteger(kQuran, "ViewStyle", AppSet.ViewStyle);
    ini.writeInteger(kQuran, "LastOpenedSura", AppSet.LastOpenedSura);
    ini.writeInteger(kQuran, "LastOpenedAya", AppSet.LastOpenedAya);
    ini.writeBool(kAudio, "IsMuted", AppSet.IsMuted);
    ini.writeBool(kAudio, "IsPlayContinue", AppSet.IsPlayContinue);
    ini.writeInteger(kAudio, "Volume", AppSet.Volume);
    ini.writeString(kAudio, "Reciter", AppSet.Reciter);
    saveRecitationOptions(ini);
    saveViewOptions(ini);
    ini.writeString(kGeneral, "Language", AppSet.Language);
    ini.save(IniFileName);
}

} // namespace tilvane
