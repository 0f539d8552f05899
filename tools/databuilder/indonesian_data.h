#pragma once

#include "quran_meta.h"
#include "sources.h"

#include <map>
#include <string>
#include <vector>

namespace databuilder {

// Archive path -> file bytes; a std::map keeps the entries sorted for a reproducible archive.
using FileSet = std::map<std::string, std::string>;

// The files of libina.tvz: translation (note numbers removed, see removeNoteNumbers), its
// empty note file, transliteration, sura name meanings, the structural index with the
// targets of its nodes, and the 228 preface and closing bodies.
FileSet indonesianFiles(const std::vector<SuraSource>& suras, const QuranMeta& meta);

} // namespace databuilder
