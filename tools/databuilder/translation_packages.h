#pragma once

#include "indonesian_data.h"
#include "sources.h"

#include <filesystem>

namespace databuilder {

// The translation packages made from quran-json's other languages and its English
// transliteration, and the Indonesian ministry's short tafsir from quran-pack: per package
// folder (relative to res/trans/) its descriptor, its sura names (114 lines) and its aya
// texts (6236 lines).
FileSet translationPackageFiles(const std::filesystem::path& nodeModules,
                                const std::vector<SuraSource>& suras);

} // namespace databuilder
