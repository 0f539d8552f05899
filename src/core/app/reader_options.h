#pragma once

#include "core/quran/quran_pos.h"

#include <optional>
#include <string>
#include <vector>

namespace tilvane {

// The reader's own command line: `--goto SURA:AYA` shows that aya (in the reader already
// running, when there is one), `--app-dir DIR` runs from DIR as a portable folder.
struct ReaderOptions {
    std::optional<TQuranPos> gotoPos;
    std::string appDir;
    std::string problem; // empty when the arguments were understood
};

// Arguments the toolkit takes for itself (-platform, -style …) are left to it.
ReaderOptions parseReaderOptions(const std::vector<std::string>& args);

// "2:255" as a position that exists; none for anything else.
std::optional<TQuranPos> parseAyaPosition(const std::string& text);

} // namespace tilvane
