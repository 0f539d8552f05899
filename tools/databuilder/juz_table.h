#pragma once

#include <array>
#include <string>
#include <vector>

namespace databuilder {

struct AyaPosition {
    int sura;
    int aya;
};

inline constexpr int kJuzCount = 30;

// Where each of the 30 juz begins, in the common division of the Uthmani text.
extern const std::array<AyaPosition, kJuzCount> kJuzStarts;

// The juz (1..30) that holds the given aya.
int juzOf(int sura, int aya);

} // namespace databuilder
