#include "core/tajweed/letter_clusters.h"

#include <array>

namespace tilvane {

namespace {

constexpr char32_t kTatweel = U'\u0640';
constexpr char32_t kWaslaAlif = U'\u0671';
constexpr char32_t kInvalid = 0xFFFD;
constexpr char32_t kAlif = U'\u0627';
constexpr char32_t kAlifWithMaddah = U'\u0622';

bool isBaseLetter(char32_t c)
{
    return (c >= U'\u0621' && c <= U'\u064A' && c != kTatweel) || c == kWaslaAlif;
}

// The mark a code point adds to the letter before it; 0 when it is no mark at all (a blank,
// a digit, the hizb sign) and so ends the letter and its word.
constexpr std::uint32_t markOfAny(char32_t c)
{
    switch (c) {
    case U'\u064E': return kFatha;
    case U'\u064F': return kDamma;
    case U'\u0650': return kKasra;
    case U'\u064B': return kFathatan;
    case U'\u064C': return kDammatan;
    case U'\u064D': return kKasratan;
    // The open tanween in its proper code points and in the older ones the source text borrows.
    case U'\u08F0': case U'\u0657': return kFathatan | kOpenTanween;
    case U'\u08F1': case U'\u065E': return kDammatan | kOpenTanween;
    case U'\u08F2': case U'\u0656': return kKasratan | kOpenTanween;
    case U'\u0651': return kShadda;
    case U'\u06E1': return kSukun;
    case U'\u0652': case U'\u06DF': return kSilentZero;
    case U'\u06E0': return kWaslZero;
    case U'\u0653': return kMaddah;
    case U'\u0654': case U'\u0655': return kHamzaMark;
    case U'\u0670': return kDaggerAlif;
    case U'\u06E5': return kSmallWaw;
    case U'\u06E6': case U'\u06E7': return kSmallYeh;
    case U'\u06E2': case U'\u06ED': return kIqlabMeem;
    case U'\u06E8': return kSmallNoon;
    case U'\u06D6': case U'\u06D7': case U'\u06D8': case U'\u06D9': case U'\u06DA': case U'\u06DB':
        return kPauseMark;
    case kTatweel: return kOtherMark;
    default: break;
    }
    const bool otherMark = (c >= U'\u0610' && c <= U'\u061A') || (c >= U'\u064B' && c <= U'\u065F')
        || (c >= U'\u06D6' && c <= U'\u06ED' && c != U'\u06DE') || (c >= U'\u08D3' && c <= U'\u08FF');
    return otherMark ? static_cast<std::uint32_t>(kOtherMark) : 0u;
}

// The Arabic block, where nearly every code point of the text lies, looked up in a table.
constexpr char32_t kArabicBlock = U'\u0600';
constexpr auto kArabicMarks = [] {
    std::array<std::uint32_t, 256> marks{};
    for (char32_t c = 0; c < 256; ++c)
        marks[c] = markOfAny(kArabicBlock + c);
    return marks;
}();

std::uint32_t markOf(char32_t c)
{
    return c >= kArabicBlock && c < kArabicBlock + 256 ? kArabicMarks[c - kArabicBlock] : markOfAny(c);
}

// Decodes one code point at text[i] and moves i past it; malformed bytes give U+FFFD.
char32_t decodeAt(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    // Arabic letters and marks are two-byte sequences.
    if ((lead >> 5) == 0x6 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
        const char32_t c = (static_cast<char32_t>(lead & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
        i += 2;
        return c;
    }
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return kInvalid;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + k]);
        if ((byte & 0xC0) != 0x80) {
            ++i;
            return kInvalid;
        }
        c = (c << 6) | (byte & 0x3F);
    }
    i += length;
    return c;
}

} // namespace

std::vector<LetterCluster> splitLetterClusters(std::string_view utf8)
{
    std::vector<LetterCluster> clusters;
    clusters.reserve(utf8.size() / 3);
    std::uint32_t word = 0;
    bool inWord = false;
    bool inCluster = false;
    bool afterTatweel = false;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto at = static_cast<std::uint32_t>(i);
        const char32_t c = decodeAt(utf8, i);
        if (isBaseLetter(c)) {
            LetterCluster cluster;
            cluster.begin = at;
            cluster.end = static_cast<std::uint32_t>(i);
            // The precomposed alif with maddah is the alif and its maddah.
            cluster.letter = c == kAlifWithMaddah ? kAlif : c;
            cluster.marks = c == kAlifWithMaddah ? static_cast<std::uint32_t>(kMaddah) : 0u;
            cluster.word = word;
            cluster.wordStart = !inWord;
            clusters.push_back(cluster);
            inWord = true;
            inCluster = true;
            afterTatweel = false;
            continue;
        }
        const std::uint32_t mark = markOf(c);
        if (mark != 0) {
            if (inCluster) {
                if (afterTatweel && (mark & (kShortVowels | kShadda)) != 0)
                    clusters.back().marks |= kVowelAfterTatweel;
                afterTatweel = afterTatweel || c == kTatweel;
                clusters.back().marks |= mark;
                clusters.back().end = static_cast<std::uint32_t>(i);
            }
            continue;
        }
        if (inWord) {
            clusters.back().wordEnd = true;
            ++word;
        }
        inWord = false;
        inCluster = false;
    }
    if (inWord)
        clusters.back().wordEnd = true;
    return clusters;
}

} // namespace tilvane
