#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tilvane {

inline constexpr std::size_t kCatalogueTextLength = 50; // catalogue texts
inline constexpr std::size_t kShortNameLength = 30;     // sura names, tree-node file names

// text cut to at most maxBytes bytes. A cut never splits a UTF-8 sequence: it moves back to
// the start of the character that would be split, so a cut text stays valid UTF-8.
std::string shortString(std::string_view text, std::size_t maxBytes);

} // namespace tilvane
