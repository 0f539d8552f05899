#pragma once

#include "core/quran/quran_pos.h"

#include <optional>
#include <vector>

namespace tilvane {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

// The main window's place, kept in the settings file's section "window".
struct WindowState {
    WindowRect frame;              // the normal (not maximised) geometry
    bool maximized = false;
    std::vector<int> splitter; // sizes of the page and the side panel
    bool operator==(const WindowState&) const = default;
};

// Nothing when the file has no usable window section.
std::optional<WindowState> LoadWindowState();
// Updates only the section "window" (atomic save that keeps everything else).
void SaveWindowState(const WindowState& state);
// Updates only "quran"/"LastOpenedSura" and "LastOpenedAya", the same way.
void SaveReadingPosition(TQuranPos pos);

// frame moved and, if need be, shrunk to lie wholly on the screen it overlaps most (the first
// screen, the primary one, when it overlaps none). Screens are their available areas.
WindowRect clampToScreens(const WindowRect& frame, const std::vector<WindowRect>& screens);

} // namespace tilvane
