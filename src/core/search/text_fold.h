#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

// The one folding of text for search, used for the index and for queries alike, so that a
// query typed on an ordinary keyboard meets the text however either is spelled: vowel and
// Quranic marks, tatweel and apostrophes vanish; the alif forms become ا, ى and ئ become ي,
// ؤ becomes و, ة becomes ه; Latin and Cyrillic letters lose case and diacritics, and Latin
// words take one spelling of Arabic sounds (foldLatinSpelling).

// One word of a text: its bytes in the text and its folded spelling (never empty).
struct FoldedWord {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string folded;
    bool arabic = false;   // holds Arabic letters
    bool vowelled = false; // holds vowel or Quranic marks, as every word of the Quran text does
    bool latin = false;    // only ASCII letters and digits once folded; folded by foldLatinSpelling
    std::string plain;     // a Latin word as folded before foldLatinSpelling (lower case, no diacritics)
};

// The words of a UTF-8 text in order. Words are runs of letters; each Chinese or Japanese
// character is a word of its own, as those scripts do not separate words. Invalid UTF-8
// bytes count as separators.
std::vector<FoldedWord> foldedWords(std::string_view text);
// The same words one by one, without keeping them (the index reads millions).
void forEachWord(std::string_view text, const std::function<void(const FoldedWord&)>& visit);

// The other spellings a word is indexed under, besides word.folded: the modern spellings
// of an Uthmani word (a dagger alif written as ا or left out, و or ى with a dagger alif as
// ا, the small waw, ya and nun written out, a hamza on a tatweel written on its seat, ءا as
// ا) and each of these without an attached prefix (و ف, ب ك ل, ال and their combinations).
// Empty for a word that is not vowelled Arabic: translations written in Arabic letters (Urdu)
// are spelled as they are read, and their words do not take these prefixes.
std::vector<std::string> alternativeSpellings(std::string_view text, const FoldedWord& word);

// The code point at byte i of a UTF-8 text, moving i past it (U+FFFD for an invalid byte).
char32_t nextCodePoint(std::string_view text, std::size_t& i);
void appendUtf8(std::string& out, char32_t codePoint);

// Number of code points in a UTF-8 text.
std::size_t codePointCount(std::string_view utf8);

} // namespace tilvane
