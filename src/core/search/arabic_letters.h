#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

// The letters of a vowelled Uthmani word with the marks that tell how each is read, as the
// root reader needs them.

inline constexpr char32_t kHamza = U'\u0621';
inline constexpr char32_t kAlif = U'\u0627';
inline constexpr char32_t kWaw = U'\u0648';
inline constexpr char32_t kYa = U'\u064A';
inline constexpr char32_t kAlifMaqsura = U'\u0649';
inline constexpr char32_t kTaMarbuta = U'\u0629';
inline constexpr char32_t kLam = U'\u0644';
inline constexpr char32_t kMim = U'\u0645';
inline constexpr char32_t kNun = U'\u0646';
inline constexpr char32_t kTa = U'\u062A';
inline constexpr char32_t kSin = U'\u0633';
inline constexpr char32_t kHa = U'\u0647';
inline constexpr char32_t kKaf = U'\u0643';
inline constexpr char32_t kBa = U'\u0628';
inline constexpr char32_t kFa = U'\u0641';
inline constexpr char32_t kRa = U'\u0631';

// A letter with the marks written on it.
struct Unit {
    char32_t letter = 0;
    char vowel = 0; // 'a', 'u', 'i', or 0
    bool shadda = false;
    bool sukun = false;
    bool longVowel = false;  // ا, ى, or و/ي lengthening the vowel before it: no radical
    bool dagger = false;     // a small alif written after it: a long a
    bool afterWasla = false; // written after ٱ: the article or a verb form that takes one
    bool lengthened = false; // a small waw or ya after it: the long vowel of the pronoun هُۥ، هِۦ
    bool tanween = false;    // the indefinite ending an, un, in (صَفࣰّا: the ا after an is silent)
};

using Units = std::vector<Unit>;

bool isHamzaForm(char32_t c);

// The letters of a word as read: hamza seats as one hamza, آ as hamza and long a, letters
// marked silent left out.
Units readUnits(std::string_view written);

bool isLetter(const Unit& unit, char32_t letter);

// Letters as a root writes them: the hamza as ا.
std::string rootText(const std::u32string& letters);
// A root's letters back, one code point each.
std::u32string rootLetters(std::string_view root);

} // namespace tilvane
