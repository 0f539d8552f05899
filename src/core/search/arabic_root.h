#pragma once

#include <string>
#include <string_view>

namespace tilvane {

// Roots of Arabic words, derived from the vowelled Uthmani spelling by the rules of
// Arabic morphology: the attached particles and pronouns, the verb and noun patterns, long
// vowels that stand for weak radicals (و ي), doubled radicals written with a shadda, and the
// Uthmani marks for silent letters. A root is written in folded letters with the hamza as ا
// (صبر، قول، امن، مدد).

// The root of a vowelled word as written; empty for a particle or a word it cannot analyse.
std::string arabicRoot(std::string_view uthmaniWord);

// A root as typed (folded letters, hamza in any form), written as arabicRoot writes roots;
// two letters stand for a doubled root (مد for مدد). Empty unless two to four Arabic letters.
std::string rootOfTypedLetters(std::string_view folded);

} // namespace tilvane
