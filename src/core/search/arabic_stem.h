#pragma once

#include <string>
#include <string_view>

namespace tilvane {

// A folded Arabic word without its prefixes (و ف، ب ك ل، ال) and attached pronouns (هم كم ها
// نا …): قلوبهم and بقلوبهم give قلوب. A stem keeps at least two letters (three after a
// one-letter pronoun or a prefix), so that short words are not cut to nothing.
std::string arabicStem(std::string_view folded);

} // namespace tilvane
