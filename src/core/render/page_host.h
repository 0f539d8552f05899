#pragma once

#include <string>

namespace tilvane {

// What the sura page builder needs from the main window: its page-loaded and bismillah marks
// and its sura browser.
class IPageHost {
public:
    virtual ~IPageHost() = default;
    // Called before the new page is written: the loaded document is about to be replaced.
    virtual void clearDocLoaded() = 0;
    // path is a plain local path, not a URL.
    virtual void navigateQuranPage(const std::string& path) = 0;
    // Called after navigation: the new page's recitation starts without the bismillah played.
    virtual void clearBismillahDone() = 0;
};

// What the preface and closing page opener needs from the main window.
class IPrefaceHost {
public:
    virtual ~IPrefaceHost() = default;
    // Makes `sura` the shown sura (aya 1) when it is not, rebuilding the sura page behind the
    // preface page without bringing it to the front.
    virtual void showSuraBehindPreface(int sura) = 0;
    // Brings the preface browser to the front and navigates it to path (a plain local path).
    virtual void showPrefacePage(const std::string& path) = 0;
};

} // namespace tilvane
