#include "core/app/window_state.h"

#include "core/app/app_dirs.h"
#include "core/base/ini_file.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace tilvane {

namespace {

constexpr const char* kWindow = "window";
constexpr int kMissing = -1;

std::vector<int> parseSizes(const std::string& text)
{
    std::vector<int> sizes;
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin < end) {
        int value = 0;
        const auto [next, error] = std::from_chars(begin, end, value);
        if (error != std::errc() || value < 0)
            return {};
        sizes.push_back(value);
        begin = (next < end && *next == ',') ? next + 1 : next;
        if (next < end && *next != ',')
            return {};
    }
    return sizes;
}

int overlap(const WindowRect& a, const WindowRect& b)
{
    const int width = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const int height = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return (width > 0 && height > 0) ? width * height : 0;
}

} // namespace

std::optional<WindowState> LoadWindowState()
{
    const IniFile ini = IniFile::load(IniFileName);
    WindowState state;
    state.frame = {ini.readInteger(kWindow, "Left", kMissing), ini.readInteger(kWindow, "Top", kMissing),
                   ini.readInteger(kWindow, "Width", kMissing), ini.readInteger(kWindow, "Height", kMissing)};
    if (state.frame.width <= 0 || state.frame.height <= 0 || !ini.value(kWindow, "Left") || !ini.value(kWindow, "Top"))
        return std::nullopt;
    state.maximized = ini.readBool(kWindow, "Maximized", false);
    state.splitter = parseSizes(ini.readString(kWindow, "Splitter", ""));
    return state;
}

void SaveWindowState(const WindowState& state)
{
    IniFile ini = IniFile::load(IniFileName);
    ini.writeInteger(kWindow, "Left", state.frame.x);
    ini.writeInteger(kWindow, "Top", state.frame.y);
    ini.writeInteger(kWindow, "Width", state.frame.width);
    ini.writeInteger(kWindow, "Height", state.frame.height);
    ini.writeBool(kWindow, "Maximized", state.maximized);
    std::string sizes;
    for (const int size : state.splitter) {
        if (!sizes.empty())
            sizes += ',';
        sizes += std::to_string(size);
    }
    ini.writeString(kWindow, "Splitter", sizes);
    ini.save(IniFileName);
}

void SaveReadingPosition(TQuranPos pos)
{
    IniFile ini = IniFile::load(IniFileName);
    ini.writeInteger("quran", "LastOpenedSura", pos.Sura);
    ini.writeInteger("quran", "LastOpenedAya", pos.Aya);
    ini.save(IniFileName);
}

WindowRect clampToScreens(const WindowRect& frame, const std::vector<WindowRect>& screens)
{
    if (screens.empty())
        return frame;
    const WindowRect* screen = &screens.front();
    int best = 0;
    for (const WindowRect& candidate : screens) {
        if (const int area = overlap(frame, candidate); area > best) {
            best = area;
            screen = &candidate;
        }
    }
    WindowRect result = frame;
    result.width = std::min(frame.width, screen->width);
    result.height = std::min(frame.height, screen->height);
    result.x = std::clamp(frame.x, screen->x, screen->x + screen->width - result.width);
    result.y = std::clamp(frame.y, screen->y, screen->y + screen->height - result.height);
    return result;
}

} // namespace tilvane
