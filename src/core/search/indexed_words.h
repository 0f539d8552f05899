#pragma once

#include "core/search/text_fold.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

// Tokens that never come from typed text: a word's root and stem stand in the index under
// these private-use prefixes, apart from its spellings.
inline constexpr char kRootMarker[] = "\uE001";
inline constexpr char kStemMarker[] = "\uE002";

bool isMarkedToken(std::string_view token);

// A word of the Quran text as a reader knows it: without the pause marks written above it.
std::string wordAsWritten(std::string_view word);

// Every word of a text with the other tokens it is indexed under at its position: its
// alternativeSpellings(), a Latin article joined with it ("alkuran" for "Al-Qur'an"), and for
// a vowelled Arabic word its root and stem under their markers. The index, the check of a
// row's text and the highlighting all use this one list.
void forEachIndexedWord(std::string_view text,
                        const std::function<void(const FoldedWord& word, const std::vector<std::string>& others)>& visit);

} // namespace tilvane
