#pragma once

#include <string>
#include <string_view>

namespace tilvane {

// text with &, <, > and " written as entities, safe inside HTML or XML text and quoted attributes.
std::string markupEscaped(std::string_view text);

} // namespace tilvane
