#pragma once

#include <string>

namespace tilvane {

// The first line of a note for one-line lists: up to the first line break, tabs as blanks.
std::string noteFirstLine(const std::string& note);

} // namespace tilvane
