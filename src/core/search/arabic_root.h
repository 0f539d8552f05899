#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

// Roots of Arabic words, derived from the vowelled Uthmani spelling by the rules of
// Arabic morphology: the attached particles and pronouns, the verb and noun patterns, long
// vowels that stand for weak radicals (و ي), doubled radicals written with a shadda, and the
// Uthmani marks for silent letters. A root is written in folded letters with the hamza as ا
// (صبر، قول، امن، مدد).

// Which radicals of a reading are weak ones not written as such (قال: و or ي), one bit each.
inline constexpr unsigned kFirstGuessed = 1;
inline constexpr unsigned kMiddleGuessed = 2;
inline constexpr unsigned kLastGuessed = 4;
inline constexpr unsigned kAllGuessed = kFirstGuessed | kMiddleGuessed | kLastGuessed;
// A word of the short list of irregular ones: sure of its root, no evidence of how others write
// theirs (نِسَآء of نسو says nothing of نَسِيَ).
inline constexpr unsigned kListed = 8;

struct RootCandidate {
    std::string root;
    double penalty = 0; // how far the reading strays from the likeliest one
    unsigned guessed = 0; // the radicals only guessed, as above
};

// Every root a vowelled word may be read as, likeliest first; empty for a particle or a word
// it cannot analyse.
std::vector<RootCandidate> rootCandidates(std::string_view uthmaniWord);

// The likeliest root of a vowelled word taken alone (rootCandidates' first).
std::string arabicRoot(std::string_view uthmaniWord);

// A root as typed (folded letters, hamza in any form), written as arabicRoot writes roots;
// two letters stand for a doubled root (مد for مدد). Empty unless two to four Arabic letters.
std::string rootOfTypedLetters(std::string_view folded);

} // namespace tilvane
