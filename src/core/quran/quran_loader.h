#pragma once

#include "core/quran/contents_tree.h"
#include "core/quran/index_tree.h"

#include <vector>

namespace tilvane {

// The window-facing steps of loading, done by the main window, or without a window by the
// page-export tool.
class IQuranLoadHost {
public:
    virtual ~IQuranLoadHost() = default;

    // Creates the two browser hosts and the two page-line buffers; the window frees them.
    virtual void createBrowserHosts() = 0;
    // Replaces the Index tab's tree by these nodes (parents stand before their children).
    virtual void loadIndexTree(const std::vector<IndexNode>& nodes) = 0;
    // Clears the sura selector and the contents tree and fills both with these suras.
    virtual void fillContents(const std::vector<TContentsSura>& suras) = 0;
    // Writes CommonCssFile, ScreenCssFile (variant 1) and Screen2CssFile (variant 2).
    virtual void writeStylesheets() = 0;
    // Selects the first sura and aya entries, requests (sura, aya) with no position shown yet,
    // and shows it, which builds the first sura page.
    virtual void showInitialPosition(int sura, int aya) = 0;
};

// Unpacks the data archives into the working folders and fills the text store, the contents
// and index data and the translation catalogue, then shows AppSet's last-read position.
// Each data file is deleted from the working folder once loaded. Throws FileOpenError naming
// an archive or the first data file that cannot be opened (also one that is not a regular file
// or is too large), TilvaneError naming an archive that is damaged, too large or holds refused
// entries; the steps after it are not carried out.
void LoadQuranData(IQuranLoadHost& host);

// Empties the text store and the translation packages' lists loaded for pages. The browser
// hosts and page-line buffers belong to the window, which frees them itself.
void FreeQuranData();

} // namespace tilvane
