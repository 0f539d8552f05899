#pragma once

#include "core/render/page_host.h"

#include <string>

namespace tilvane {

// "s" + the sura number in three digits + "a_fmt.htm" (preface) or "z_fmt.htm" (closing).
std::string prefacePageFileName(int sura, bool isPreface);

// Wraps the body file AzDir + pageFile (the contents node's "s002a.htm" or "s002z.htm") into
// the sura's preface or closing page in InaazfmtDir, overwriting it; returns the page's path.
// Throws FileOpenError when the body file cannot be opened, before anything is written.
std::string WritePrefacePage(int sura, bool isPreface, const std::string& pageFile);

// Writes the page, makes its sura the shown one behind it and shows the page.
void ShowPrefacePage(int sura, bool isPreface, const std::string& pageFile, IPrefaceHost& host);

} // namespace tilvane
