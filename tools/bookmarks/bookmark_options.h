#pragma once

#include "core/quran/quran_pos.h"

#include <optional>
#include <string>
#include <vector>

namespace tilvane::bookmarks {

inline constexpr const char* kUsage =
    "usage: tilvane-bookmarks [--data-dir DIR] list\n"
    "       tilvane-bookmarks [--data-dir DIR] add SURA:AYA [--topic NAME]... [--note TEXT]\n"
    "       tilvane-bookmarks [--data-dir DIR] export FILE\n"
    "       tilvane-bookmarks [--data-dir DIR] import FILE\n"
    "The library is DIR/library.db, by default $XDG_DATA_HOME/tilvane/library.db.";

enum class Command { List, Add, Export, Import };

struct BookmarkOptions {
    std::string dataDir; // empty: the default library
    Command command = Command::List;
    TQuranPos pos;                   // add
    std::vector<std::string> topics; // add
    std::optional<std::string> note; // add
    std::string file;                // export, import
};

// Nothing, with problem set, for arguments that do not make a command (or name no aya).
std::optional<BookmarkOptions> parseBookmarkOptions(const std::vector<std::string>& args, std::string& problem);

} // namespace tilvane::bookmarks
