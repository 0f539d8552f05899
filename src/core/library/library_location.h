#pragma once

#include <string>

namespace tilvane {

// $XDG_DATA_HOME/tilvane/library.db (XDG_DATA_HOME defaults to ~/.local/share).
std::string defaultLibraryPath();
// dir/library.db.
std::string libraryPathIn(const std::string& dir);

// Renames a damaged database (with its -wal and -shm files) to path + ".damaged-<UTC time>"
// so that a fresh one can take its place; nothing is deleted. Returns the new name of the
// database file. Throws LibraryError when the rename fails.
std::string moveLibraryAside(const std::string& path);

} // namespace tilvane
