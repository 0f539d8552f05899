#pragma once

#include <string_view>

namespace tilvane {

// text without the blanks and tabs at either end, as INI lines and typed lists are read.
std::string_view trimBlanks(std::string_view text);

} // namespace tilvane
