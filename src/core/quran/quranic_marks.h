#pragma once

#include <string>
#include <string_view>

namespace tilvane {

// The one table of the Quranic combining marks: the data builder writes the text with it and
// search folds queries and the index with it, so both agree on what a mark is.

// The vowel and annotation marks a reader may or may not type: harakat and tanween
// (U+064B..U+065F), the dagger alif (U+0670), the small Quranic annotation signs
// (U+06D6..U+06ED) and the open tanween (U+08F0..U+08F2).
bool isQuranicMark(char32_t codePoint);

// The open tanween as Unicode encodes them. The source text borrows three older code points
// for them, which fonts draw as different marks (inverted damma, fatha with two dots,
// subscript alef).
struct OpenTanween {
    char32_t borrowed;
    char32_t proper;
};
inline constexpr OpenTanween kOpenTanween[] = {
    {U'\u0657', U'\u08F0'}, // open fathatan
    {U'\u065E', U'\u08F1'}, // open dammatan
    {U'\u0656', U'\u08F2'}, // open kasratan
};

// utf8 with each borrowed open-tanween code point written as its proper one; all other bytes
// stay as they are.
std::string withProperOpenTanween(std::string_view utf8);

} // namespace tilvane
