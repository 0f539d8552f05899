#pragma once

#include "core/search/arabic_letters.h"
#include "core/search/arabic_root.h"

#include <string>
#include <vector>

namespace tilvane {

// The radicals behind a word's pattern once its particles, endings and the beginnings of its
// verb form are off, for the root reader (root_patterns.cpp takes those off).

// Two radicals read with a weak third the rules did not choose.
inline constexpr double kOtherWeakReading = 0.8;
// The less usual of two weak or hamzated readings.
inline constexpr double kLessUsualReading = 0.1;

std::string rootOfLetters(const std::vector<char32_t>& letters);

// The letter of an imperfect's person in front of a verb: يَ تَ نَ أَ, or يُ تُ نُ أُ of forms II–IV.
bool isImperfectPrefix(const Unit& unit);
// yafaʿu, taʿaʿu: an imperfect's prefix and two letters (يَذَرُ، تَضَعُ), or a noun (تَبَعٌ).
bool isYafaU(const Units& units);
// Form VIII's ت, which turns ط after ص ض ط ظ and د after ز د ذ (ٱصۡطَفَىٰ، ٱزۡدَادُواْ).
bool isFormEightInfix(const Unit& first, const Unit& infix);

// Removes the letters a verb or noun pattern adds in front of the radicals (imperfect and
// participle prefixes, the t of forms V/VI/VIII, the n of form VII, the st of form X).
// noun: after the article, where no verb's prefix stands.
void stripPatternPrefixes(Units& units, bool wasla, bool verbal, bool noun, double& penalty);

// The rules' reading of the radicals and, for two radicals left, every way a third weak one
// may have fallen away, a little less likely (otherWeak more): the other words of the text
// choose.
void addRadicalReadings(std::vector<RootCandidate>& out, const Units& units, char stripped, bool verbal, double penalty,
                        double otherWeak = kOtherWeakReading);

// The readings with the letters of a derived verb form the rules kept taken away.
void addDerivedFormReadings(std::vector<RootCandidate>& out, const Units& units, char stripped, bool verbal,
                            double penalty);

} // namespace tilvane
