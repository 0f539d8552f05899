#pragma once

#include <string>

namespace tilvane {

// Unpacks every entry of the 7z or ZIP archive below targetDir, keeping relative paths and
// overwriting existing files. Returns true when the extraction ran, false on any error
// (never throws). Entries that could write outside targetDir (absolute paths, "..",
// links, paths through an existing symbolic link) are refused.
bool ExtractArchive(const std::string& archive, const std::string& targetDir);

} // namespace tilvane
