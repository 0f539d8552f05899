#pragma once

#include "juz_table.h"
#include "sources.h"

#include <filesystem>
#include <vector>

namespace databuilder {

// The structural divisions of the Medina mushaf (Hafs) as quran-meta lists them, each entry
// the start of a part as a global aya index (1..6236).
struct QuranMeta {
    std::vector<int> juzStarts;     // 30
    std::vector<int> quarterStarts; // 240 hizb quarters, four to a hizb, eight to a juz
    std::vector<int> pageStarts;    // 604
    std::vector<int> sajdaAyat;     // 15
};

inline constexpr int kHizbQuarterCount = 240;
inline constexpr int kPageCount = 604;
inline constexpr int kSajdaCount = 15;

// Reads the lists from quran-meta's source (src/lists/HafsLists.ts), checking each for its
// count and order; a list that changed shape stops the build rather than shift the index.
QuranMeta loadQuranMeta(const std::filesystem::path& nodeModules);

// The sura and aya of a global aya index.
AyaPosition positionOfAya(const std::vector<SuraSource>& suras, int globalAya);

} // namespace databuilder
