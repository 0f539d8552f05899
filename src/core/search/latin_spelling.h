#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

// How Indonesians and others write Arabic words in Latin letters differs by a few habits:
// sy/sh/ts/th for one s, dz/dh for z, q for k, kh for h, doubled vowels for long ones, o for
// u. One folding maps them all to one spelling, for the index and for queries alike, so
// that "syurga", "sholat" or "Yaasiin" meet "surga", "salat" and "Yasin". Its input is a
// word already lower-cased and without diacritics (ASCII letters and digits).
std::string foldLatinSpelling(std::string_view word);
// The same into out, whose buffer is reused.
void foldLatinSpellingInto(std::string_view word, std::string& out);

// The spellings a typed word may stand for, folded: o may stand for a as well as u
// ("Ibrohim"), e for a ("Sulaeman" aside, e and a are often the same fatha). The first is
// foldLatinSpelling(word); at most a handful.
std::vector<std::string> latinQueryVariants(std::string_view word);

// Whether a folded Latin word is the Arabic article as written before a word ("al", or
// "an", "ar", "as", … before a word beginning with the same letter); the article and its
// word are also indexed as one ("Al-Qur'an", "Al Quran" and "Alquran" alike).
bool joinsWithNextWord(std::string_view article, std::string_view next);

// The key under which a sura name (or a typed one) is compared: folded, without blanks,
// hyphens, apostrophes, doubled letters or a leading article ("Al-Kahfi" and "al kahfi"
// give "kahfi", "Yaasiin" and "yasin" give "yasin").
std::string nameKey(std::string_view name);

// Levenshtein distance of two byte strings, counting at most limit + 1.
std::size_t editDistance(std::string_view a, std::string_view b, std::size_t limit);

} // namespace tilvane
