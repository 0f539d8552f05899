#include "core/library/note_text.h"

#include <algorithm>

namespace tilvane {

std::string noteFirstLine(const std::string& note)
{
    std::string line = note.substr(0, note.find_first_of("\r\n"));
    std::replace(line.begin(), line.end(), '\t', ' ');
    return line;
}

} // namespace tilvane
