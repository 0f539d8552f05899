#pragma once

#include <array>
#include <string>

namespace tilvane {

inline constexpr int kSuraCount = 114;
inline constexpr int kAyaCount = 6236;

struct TSuraInfo {
    int Number = 0;
    int AyaCount = 0;
    int FirstAya = 0; // global aya index (1..6236) of the sura's first aya
    int LastAya = 0;
    std::string Descent; // "makki" or "madani"
};

// Index = sura number (1..114); entry 0 is unused.
extern const std::array<TSuraInfo, kSuraCount + 1> SuraTable;
extern const std::array<std::string, kSuraCount + 1> SuraLatinNames;

// Global aya index (1..6236) of aya `aya` of sura `sura`; 0 for a sura or aya that does not
// exist, which every per-aya list reads as an empty text.
int globalAyaIndex(int sura, int aya);

} // namespace tilvane
