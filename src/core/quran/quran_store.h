#pragma once

#include "core/quran/line_list.h"

#include <string>

namespace tilvane {

// The text store, filled by LoadQuranData and read-only afterwards. Per-aya lists are
// indexed by global aya index - 1.
extern LineList QuranUthmani;  // Arabic text per global aya
extern LineList NumAr;         // glyph of the Arabic-Indic digit i on line i
extern LineList SuraNameAr;    // Arabic name of sura i + 1
extern std::string SuraWordAr; // the Arabic word for "sura" shown in page headings
extern LineList InaSura;       // Indonesian meaning of the name of sura i + 1
extern LineList InaTran;       // Indonesian translation with footnote marks
extern LineList InaFoot;       // text of footnote number i + 1
extern LineList InaLatn;       // Arabic-Latin transliteration
extern LineList PageFootnotes; // footnote tooltip blocks of the page being built

// n written with the digit glyphs of NumAr (286 gives lines 2, 8 and 6 joined).
std::string ToArabicDigits(int n);

// The line of a per-aya list for global aya g (1..6236), or for aya `aya` of sura `sura`;
// an aya outside the list or the Quran gives an empty text.
const std::string& ayaLine(const LineList& list, int globalAya);
const std::string& ayaLine(const LineList& list, int sura, int aya);

// Empties every list of the store.
void clearQuranStore();

} // namespace tilvane
