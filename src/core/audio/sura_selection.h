#pragma once

#include <string>
#include <vector>

namespace tilvane {

// The suras named by a list such as "1,78-114": numbers and ranges, separated by commas,
// blanks allowed. Returns them ascending without repeats. Throws TilvaneError naming the part
// that is not a sura number (1..114) or a range of them.
std::vector<int> parseSuraSelection(const std::string& text);

} // namespace tilvane
