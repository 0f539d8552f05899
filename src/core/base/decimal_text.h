#pragma once

#include <optional>
#include <string_view>

namespace tilvane {

// The value of a whole decimal integer with an optional sign ("-42", "+7"); nothing for any
// other text, an empty one, or a value outside the int range.
std::optional<int> parseDecimalInt(std::string_view text);

} // namespace tilvane
