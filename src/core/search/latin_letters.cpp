// The Latin letters with diacritics, each as its plain lower-case letter: "rahman" finds
// "raḥmān", "ecole" finds "École". Made once from the Unicode decompositions; '.' marks a code
// point that is not a letter, '+' one that stands for two letters (kTwoLetterFolds).
#include "core/search/latin_letters.h"

#include <string_view>

namespace tilvane {

namespace {

constexpr std::string_view kLatin1AndExtended = // U+00C0..U+024F
    "aaaaaa+ceeeeiiiidnooooo.ouuuuy++aaaaaa+ceeeeiiiidnooooo.ouuuuy+y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii..jjkkklllllll"
    "lllnnnnnn.nnoooooo++rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzz."
    "b...............................oo.............uu....zz........."
    ".............aaiioouuuuuuuuuu.aaaa....ggkkoooo..j...gg..nnaa...."
    "aaaaeeeeiiiioooorrrruuuusstt..hh......aaeeooooooooyy............"
    "................";

constexpr std::string_view kLatinAdditional = // U+1E00..U+1EFF
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmm"
    "mmmmnnnnnnnnoooooooopppprrrrrrrrssssssssssttttttttuuuuuuuuuuvvvv"
    "wwwwwwwwwwxxxxyyzzzzzzhtwy......aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeee"
    "eeeeeeeeiiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyy......";

struct TwoLetterFold {
    char32_t codePoint;
    const char* letters;
};

constexpr TwoLetterFold kTwoLetterFolds[] = {
    {0x00E6, "ae"}, // æ
    {0x00C6, "ae"}, // Æ
    {0x00DF, "ss"}, // ß
    {0x0153, "oe"}, // œ
    {0x0152, "oe"}, // Œ
    {0x00FE, "th"}, // þ
    {0x00DE, "th"}, // Þ
};

} // namespace

std::string_view foldedLatinLetter(char32_t codePoint)
{
    std::string_view table;
    char32_t first = 0;
    if (codePoint >= 0xC0 && codePoint <= 0x24F) {
        table = kLatin1AndExtended;
        first = 0xC0;
    } else if (codePoint >= 0x1E00 && codePoint <= 0x1EFF) {
        table = kLatinAdditional;
        first = 0x1E00;
    } else {
        return {};
    }
    const std::size_t at = codePoint - first;
    if (table[at] == '.')
        return {};
    if (table[at] == '+') {
        for (const TwoLetterFold& fold : kTwoLetterFolds) {
            if (fold.codePoint == codePoint)
                return fold.letters;
        }
        return {};
    }
    return table.substr(at, 1);
}

} // namespace tilvane
