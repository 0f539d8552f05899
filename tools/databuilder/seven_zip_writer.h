#pragma once

#include "indonesian_data.h"

#include <filesystem>

namespace databuilder {

// Writes the files as a 7z archive, with a folder entry for every folder they lie in. Entries
// are sorted and carry one fixed time, so the same files always give the same bytes. The
// archive appears under its name only once complete.
void writeSevenZip(const std::filesystem::path& archive, const FileSet& files);

} // namespace databuilder
