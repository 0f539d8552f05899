#pragma once

#include "core/tajweed/tajweed_rules.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tilvane {

// One letter that a rule governs: the base letter with its marks, as bytes of the aya's text.
struct TajweedLetter {
    std::uint32_t letterIndex = 0; // 0-based index among the aya's base letters
    std::uint32_t begin = 0;       // byte offsets of the letter and its marks
    std::uint32_t end = 0;
    TajweedRule rule = TajweedRule::HamzatWasl;
};

// The letters of one aya of the Madani (Uthmani) text that the rules of Hafs ʿan ʿĀṣim govern,
// in text order; a letter under two rules appears twice, in the order of TajweedRule.
// The aya is read joined from its first word to its last and stopped at its end, as a reader
// recites aya by aya; verse-internal pause signs are read through. Text that is not Arabic
// is passed over.
std::vector<TajweedLetter> annotateTajweed(std::string_view ayaText);

} // namespace tilvane
