#pragma once

#include <string>

namespace tilvane {

// The first sura (1..114) whose Latin name contains text, compared without regard to ASCII
// case; failing that, the first whose name folded as search folds Latin spellings contains
// the text folded so (nameKey: "yasin" finds Yaasiin), or the name one letter off; 0 when the
// text is empty or nothing matches.
int findSuraByName(const std::string& text);

} // namespace tilvane
