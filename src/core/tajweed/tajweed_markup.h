#pragma once

#include "core/tajweed/tajweed_rules.h"

#include <array>
#include <string>
#include <string_view>

namespace tilvane {

// What hovering a coloured letter shows for each rule, in TajweedRule order: English until
// the window puts the interface language's names in.
std::array<std::string, kTajweedRuleCount>& tajweedHoverTitles();

// The aya's text with each letter a rule governs wrapped in <span class="tajweed-RULE">...</span>
// (neighbouring letters under the same rule share one span). The text's own bytes stay as they
// are and in order: a letter keeps all of its marks inside its span, so joining and mark
// placement are those of the plain text. The hover title comes from tajweedTitleScript().
std::string withTajweedSpans(std::string_view ayaText);

// withTajweedSpans of global aya `globalAya`, worked out once per text and kept for the
// program's run (a few MB at most for the whole Quran), so that rebuilding a page costs little.
const std::string& cachedTajweedSpans(int globalAya, const std::string& ayaText);

// A page script that gives a coloured letter its rule's name from tajweedHoverTitles() as
// its title when the pointer first reaches it: one small table per page instead of a title
// on every span.
std::string tajweedTitleScript();

} // namespace tilvane
