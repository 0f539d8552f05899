#pragma once

#include <string>
#include <string_view>

namespace tilvane {

// Case folding of ASCII letters only, as the program compares names, keys and page text:
// the bytes of UTF-8 text outside ASCII have no case here and match exactly.
std::string asciiLowered(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
// An empty pattern never matches.
bool containsIgnoringAsciiCase(std::string_view text, std::string_view pattern);

} // namespace tilvane
