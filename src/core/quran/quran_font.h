#pragma once

#include <string>

namespace tilvane {

inline constexpr const char* kQuranFontFile = "me_quran_volt_mark2.ttf";

// Makes the Arabic font that the data archive brings available to the page renderer.
// A fontDir that lacks the font gets a copy of libDir's (the folder is created); the copy in
// fontDir, new or from an earlier start, is then registered with fontconfig for this process,
// because a file copied while the program runs is otherwise seen only at the next start, and
// fontconfig's cache of the user's folder may be stale. libDir's copy is deleted in either
// case. A missing source or a failed copy is silent: the page then falls back to other fonts.
void installQuranFont(const std::string& libDir, const std::string& fontDir);

// Whether path is among the fonts registered for this process.
bool isApplicationFont(const std::string& path);

} // namespace tilvane
