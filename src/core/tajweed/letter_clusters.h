#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tilvane {

// What the marks after a base letter say about it, as the Madani text writes them.
enum LetterMark : std::uint32_t {
    kFatha = 1u << 0,
    kDamma = 1u << 1,
    kKasra = 1u << 2,
    kFathatan = 1u << 3,
    kDammatan = 1u << 4,
    kKasratan = 1u << 5,
    // The open (staggered) tanween: the noon of the tanween is not said plainly but merged
    // into or hidden before the next word's first letter.
    kOpenTanween = 1u << 6,
    kShadda = 1u << 7,
    kSukun = 1u << 8,          // the head of khah: the letter is said without a vowel
    kSilentZero = 1u << 9,     // the round zero: the letter is never said
    kWaslZero = 1u << 10,      // the upright zero: said when stopping, silent when joined
    kMaddah = 1u << 11,        // a madd longer than natural follows from the next letter
    kHamzaMark = 1u << 12,     // hamza above or below, written as a mark
    kDaggerAlif = 1u << 13,
    kSmallWaw = 1u << 14,      // long vowel of the pronoun ha, or a waw not written in full
    kSmallYeh = 1u << 15,
    kIqlabMeem = 1u << 16,     // small meem: the noon or tanween is said as a meem
    kPauseMark = 1u << 17,     // a pause sign of the verse-internal kind
    kOtherMark = 1u << 18,     // any other sign (imala, ishmam, small seen, sajda ...)
    // A vowel or shadda on a tatweel: it belongs to a letter written small or not at all.
    kVowelAfterTatweel = 1u << 19,
    kSmallNoon = 1u << 20,     // a second noon, not written in full, hidden before the next letter
};

inline constexpr std::uint32_t kShortVowels = kFatha | kDamma | kKasra;
inline constexpr std::uint32_t kTanween = kFathatan | kDammatan | kKasratan;
inline constexpr std::uint32_t kAnyVowel = kShortVowels | kTanween;

// One base letter of the text with the marks that follow it: what a tajweed colour covers.
struct LetterCluster {
    std::uint32_t begin = 0; // byte offset of the base letter in the aya's text
    std::uint32_t end = 0;   // byte offset just past its last mark
    char32_t letter = 0;
    std::uint32_t marks = 0;
    std::uint32_t word = 0; // 0-based index of the word in the aya
    bool wordStart = false;
    bool wordEnd = false;

    bool has(std::uint32_t mark) const { return (marks & mark) != 0; }
};

// Splits an aya's UTF-8 text into letter clusters. A base letter is U+0621..U+064A other than
// tatweel, or the wasla alif U+0671; marks and tatweel after it belong to it. Blanks (and any
// other character) separate words; characters before a word's first letter belong to none.
std::vector<LetterCluster> splitLetterClusters(std::string_view utf8);

} // namespace tilvane
