#pragma once

#include <string>

namespace tilvane {

// The first sura (1..114) whose Latin name contains text, compared without regard to ASCII
// case; 0 when the text is empty or nothing matches.
int findSuraByName(const std::string& text);

} // namespace tilvane
