#pragma once

#include "quran_meta.h"
#include "sources.h"

#include <string>
#include <vector>

namespace databuilder {

// The Index tab's tree and where each node leads. `lines` is the tree in the reader's index
// format (depth by leading tabs, the label alone); `targets` has one line per tree line, the
// sura and aya its node goes to ("78:1"), or empty for a node that only groups others.
struct StructureIndex {
    std::vector<std::string> lines;
    std::vector<std::string> targets;
};

// Per juz its sura ranges ("Al-Baqarah 2:142 - 2:252") and its eight hizb quarters; then
// the 604 pages grouped by juz, then the 15 sajda ayat. The juz starts are quran-meta's.
StructureIndex structureIndex(const std::vector<SuraSource>& suras, const QuranMeta& meta);

} // namespace databuilder
