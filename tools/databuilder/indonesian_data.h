#pragma once

#include "sources.h"

#include <map>
#include <string>
#include <vector>

namespace databuilder {

// Archive path -> file bytes; a std::map keeps the entries sorted for a reproducible archive.
using FileSet = std::map<std::string, std::string>;

// The files of libina.tvz: translation (note numbers removed, see removeNoteNumbers), its
// empty note file, transliteration, sura name meanings, the juz index and the 228 preface
// and closing bodies.
FileSet indonesianFiles(const std::vector<SuraSource>& suras);

// Lines of the index tree: one line per juz, each followed by TAB-indented lines naming the
// part of every sura that lies in it ("Al-Baqarah 2:142 - 2:252").
std::vector<std::string> juzIndexLines(const std::vector<SuraSource>& suras);

} // namespace databuilder
