#pragma once

#include <string_view>

namespace tilvane {

// The plain lower-case letter(s) a Latin letter with diacritics folds to ("ḥ" gives "h",
// "ß" gives "ss"); empty for any other code point, plain ASCII included.
std::string_view foldedLatinLetter(char32_t codePoint);

} // namespace tilvane
