#pragma once

#include "core/search/search_index.h"

#include <optional>
#include <string>
#include <vector>

namespace tilvane::searchtool {

struct SearchToolOptions {
    std::string appDir; // empty: the executable's folder
    std::string query;
    SearchOptions search;
    bool activeTextsOnly = false; // --texts active: the Arabic text and the active translations
};

inline constexpr const char* kUsage =
    "usage: tilvane-search [--app-dir DIR] [--field arabic|latin|translation|all] [--whole-word]\n"
    "                      [--sura N | --juz N] [--limit N] [--texts all|active] [--order quran|relevance]\n"
    "                      [--root | --stem] QUERY";

// The options of a command line (without the program name); nothing when they are unusable,
// with the reason in `problem`.
std::optional<SearchToolOptions> parseSearchToolOptions(const std::vector<std::string>& args, std::string& problem);

} // namespace tilvane::searchtool
