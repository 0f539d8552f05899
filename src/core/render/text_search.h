#pragma once

#include <string>
#include <string_view>

namespace tilvane {

// Byte-wise text matching for page building. Only ASCII letters are folded; the bytes of
// UTF-8 Arabic text have no case and match exactly. An empty pattern never matches.
bool containsIgnoringAsciiCase(std::string_view text, std::string_view pattern);
// Every occurrence removed, scanning left to right without rescanning what was joined.
std::string removeAllIgnoringAsciiCase(std::string_view text, std::string_view pattern);
std::string removeAll(std::string_view text, std::string_view pattern);

} // namespace tilvane
