#pragma once

#include "core/quran/quran_pos.h"

#include <optional>
#include <string>
#include <vector>

namespace tilvane::reciter {

inline constexpr const char* kUsage =
    "usage: tilvane-reciter [--app-dir DIR] install NAME SOURCE [--suras 1,78-114 | --juz 30]\n"
    "       tilvane-reciter [--app-dir DIR] list\n"
    "       tilvane-reciter [--app-dir DIR] catalogue\n"
    "       tilvane-reciter [--app-dir DIR] remove NAME\n"
    "SOURCE is a web folder (http:// or https://) holding SSSAAA.mp3 files, a local folder\n"
    "holding them flat or in per-sura folders, or a ZIP or 7z file of either; a web folder must\n"
    "answer its first aya (001001.mp3) as MP3 before the install starts. catalogue lists the\n"
    "public recitations the reader offers: name, reciter, style, bit rate, size, web folder.";

enum class Command { Install, List, Catalogue, Remove };

struct ReciterOptions {
    std::string appDir; // empty: the program's own folder
    Command command = Command::List;
    std::string name;
    std::string source;
    std::vector<TQuranPos> ayat; // all of them unless --suras or --juz names some
};

// nullopt with problem set when the arguments do not make a command.
std::optional<ReciterOptions> parseReciterOptions(const std::vector<std::string>& arguments, std::string& problem);

} // namespace tilvane::reciter
