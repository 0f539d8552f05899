#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>

struct _XDisplay; // Xlib's Display

namespace tilvane::bench {

// The X display the benchmark runs on (DISPLAY, Xvfb under scripts/bench.sh), used as a user
// at the keyboard would: it finds a program's window, presses keys in it and looks at what it
// shows. Throws std::runtime_error when no display can be opened.
class XDisplay {
public:
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    using WindowId = unsigned long;

    // The largest shown ordinary top-level window of the process, if it has one yet (a splash
    // screen is not ordinary).
    std::optional<WindowId> shownWindowOf(pid_t pid) const;
    // Gives the window the keyboard and presses Ctrl+PgDn in it through XTest.
    void pressControlPageDown(WindowId window) const;
    // A digest of what the middle of the window shows (half its width, three quarters of its
    // height), where the page's heading with the sura's name is and no control that changes
    // with the sura: it changes once the next sura's page is painted. (Suras 2 and 3 open
    // with the same aya, so the heading must be in it.)
    std::uint64_t middleDigest(WindowId window) const;

private:
    ::_XDisplay* m_display = nullptr;
};

} // namespace tilvane::bench
