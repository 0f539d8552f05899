#pragma once

#include <string>
#include <string_view>

namespace tilvane {

// Roots and stems of Arabic words, derived from the vowelled Uthmani spelling by the rules of
// Arabic morphology: the attached particles and pronouns, the verb and noun patterns, long
// vowels that stand for weak radicals (و ي), doubled radicals written with a shadda, and the
// Uthmani marks for silent letters. A root is written in folded letters with the hamza as ا
// (صبر، قول، امن، مدد); a stem in folded letters.

// The root of a vowelled word as written; empty for a particle or a word it cannot analyse.
std::string arabicRoot(std::string_view uthmaniWord);

// A folded word without its prefixes (و ف، ب ك ل، ال) and attached pronouns (هم كم ها نا …):
// قلوبهم and بقلوبهم give قلوب. Empty when nothing is left to strip.
std::string arabicStem(std::string_view folded);

// A root as typed (folded letters, hamza in any form), written as arabicRoot writes roots;
// two letters stand for a doubled root (مد for مدد). Empty unless two to four Arabic letters.
std::string rootOfTypedLetters(std::string_view folded);

} // namespace tilvane
