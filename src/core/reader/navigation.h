#pragma once

#include "core/quran/quran_pos.h"

#include <cstdint>
#include <string>

namespace tilvane {

// What the navigation needs from the main window. Filling a box must not raise the box's
// change handler (the window blocks those signals); selecting an index may, and then finds
// the request already in place.
class INavigationView {
public:
    virtual ~INavigationView() = default;
    virtual bool isSuraPageInFront() const = 0;
    virtual void bringSuraPageToFront() = 0;
    // Builds the sura's page and starts loading it (the build clears FDocLoaded).
    virtual void buildSuraPage(int sura) = 0;
    virtual void fillAyaBox(int ayaCount) = 0;
    virtual void selectSuraBoxIndex(int index) = 0;
    virtual void selectAyaBoxIndex(int index) = 0;
    virtual void setSuraNameTrans(const std::string& text) = 0;
    virtual void setQuranStatus(const std::string& text) = 0;
    virtual void setAudioAya(const TQuranPos& position) = 0;
    // Runs focusOnAya(sura, aya) in the loaded page.
    virtual void runFocusScript(int sura, int aya) = 0;
    // Selects, expands and reveals the sura's node in the contents tree.
    virtual void selectContentsNode(int sura) = 0;
    // The tab that holds the page, in case the move came from another tab.
    virtual void bringReadingTabToFront() = 0;
    // A recitation that is playing or paused starts again at the shown aya.
    virtual void restartActiveRecitation() = 0;
};

// Where a move to an aya comes from. Every move is shown the same way; the reason only
// spares what its source has already done or must not have done.
enum class GotoReason : std::uint8_t {
    Command,  // the boxes and Go, previous/next, Select Sura, search hits, index nodes, bookmarks
    Contents, // a node of the contents tree, which is selected already
    Player,   // the recitation's own moves, which must not pull the reader off another tab
    StartUp,  // the saved position, before anything was chosen
};

// The position the user asked for and the one shown, and the one operation that turns the
// first into the second: it rebuilds the page only when the sura changes and otherwise only
// scrolls the loaded page.
class Navigator {
public:
    explicit Navigator(INavigationView& view) : m_view(view) {}

    int FGotoSura = 1;
    int FGotoAya = 1;
    TQuranPos FCurPos;
    bool FDocLoaded = false;
    bool FFocusPending = false;
    bool FShowSuraPage = true;

    // The one way to an aya: the boxes follow, the contents node is selected, the page is
    // shown with the aya focused, and a running recitation goes on at it. Positions that do
    // not exist are clamped as a saved one is.
    void goTo(const TQuranPos& position, GotoReason reason = GotoReason::Command);

    void FocusCurrentAya();
    void wbQuranDocumentComplete();

    // The boxes only set the request; nothing is shown until a command runs.
    void suraBoxChanged(int index);
    void ayaBoxChanged(int index);

    void gotoSuraPrev(GotoReason reason = GotoReason::Command);
    void gotoSuraNext(GotoReason reason = GotoReason::Command);
    void gotoAyaPrev(GotoReason reason = GotoReason::Command);
    void gotoAyaNext(GotoReason reason = GotoReason::Command);
    // Go: shows the requested position on the sura page.
    void gotoSelected() { goTo({FGotoSura, FGotoAya}); }
    // Start-up: the saved position, clamped to a position that exists.
    void showInitialPosition(int sura, int aya);
    // The "Surat" node of a sura in the contents tree.
    void showSuraText(int sura);
    // Before a preface or closing page is shown behind which the sura page follows.
    void showSuraBehindPreface(int sura);
    // Reload: the page of the shown sura is rebuilt and focused again once loaded.
    void reloadSura();

private:
    INavigationView& m_view;
};

// The sura and aya that exist nearest a saved position: a sura outside 1..114 gives 1:1,
// an aya outside the sura gives its aya 1.
TQuranPos clampedPosition(int sura, int aya);

} // namespace tilvane
