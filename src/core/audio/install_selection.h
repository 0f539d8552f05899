#pragma once

#include "core/quran/quran_pos.h"

#include <string>
#include <vector>

namespace tilvane {

// The suras or juz named by a list such as "1,78-114": numbers and ranges, separated by
// commas, blanks allowed. Returns them ascending without repeats. Throws TilvaneError naming
// the part that is not a sura number (1..114), a juz number (1..30) or a range of them.
std::vector<int> parseSuraSelection(const std::string& text);
std::vector<int> parseJuzSelection(const std::string& text);

// Every aya of the given suras or juz, in the order of the Quran. A juz begins and ends
// inside suras, so a reciter can be installed for a month's reading a juz a day.
std::vector<TQuranPos> ayatOfSuras(const std::vector<int>& suras);
std::vector<TQuranPos> ayatOfJuzs(const std::vector<int>& juzs);

} // namespace tilvane
