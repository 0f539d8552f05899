#pragma once

#include "core/quran/juz_starts.h"

#include <array>
#include <string>
#include <vector>

namespace databuilder {

struct AyaPosition {
    int sura;
    int aya;
};

inline constexpr int kJuzCount = tilvane::kJuzCount;

// Where each of the 30 juz begins: the reader's own table, so pages and search agree.
extern const std::array<AyaPosition, kJuzCount> kJuzStarts;

// The juz (1..30) that holds the given aya.
int juzOf(int sura, int aya);

} // namespace databuilder
