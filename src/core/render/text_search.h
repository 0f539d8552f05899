#pragma once

#include "core/base/ascii_case.h"

#include <string>
#include <string_view>

namespace tilvane {

// Byte-wise text removal for page building; only ASCII letters are folded (ascii_case.h).
// Every occurrence removed, scanning left to right without rescanning what was joined.
std::string removeAllIgnoringAsciiCase(std::string_view text, std::string_view pattern);
std::string removeAll(std::string_view text, std::string_view pattern);

} // namespace tilvane
