#include "core/quran/quranic_marks.h"

namespace tilvane {

namespace {

struct MarkRange {
    char32_t first;
    char32_t last;
};

constexpr MarkRange kMarkRanges[] = {
    {U'\u064B', U'\u065F'},
    {U'\u0670', U'\u0670'},
    {U'\u06D6', U'\u06ED'},
    {U'\u08F0', U'\u08F2'},
};

// The three borrowed code points are all two-byte sequences D9 xx; the proper ones are
// three-byte sequences E0 A3 xx.
std::string utf8Of(char32_t codePoint)
{
    std::string out;
    if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

} // namespace

bool isQuranicMark(char32_t codePoint)
{
    for (const MarkRange& range : kMarkRanges) {
        if (codePoint >= range.first && codePoint <= range.last)
            return true;
    }
    return false;
}

std::string withProperOpenTanween(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 8);
    std::size_t i = 0;
    while (i < utf8.size()) {
        bool replaced = false;
        for (const OpenTanween& mark : kOpenTanween) {
            const std::string borrowed = utf8Of(mark.borrowed);
            if (utf8.compare(i, borrowed.size(), borrowed) == 0) {
                out += utf8Of(mark.proper);
                i += borrowed.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += utf8[i++];
    }
    return out;
}

} // namespace tilvane
