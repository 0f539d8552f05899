#pragma once

#include "core/tajweed/tajweed_rules.h"

#include <array>
#include <string>
#include <string_view>

namespace tilvane {

// What hovering a coloured letter shows for each rule, in TajweedRule order: English until
// the window puts the interface language's names in.
std::array<std::string, kTajweedRuleCount>& tajweedHoverTitles();

// Wraps ayat in tajweed spans with the hover titles as they were when it was made: a page
// makes one and wraps all of its ayat with it.
class TajweedSpanWriter {
public:
    TajweedSpanWriter();
    std::string wrap(std::string_view ayaText) const;

private:
    std::array<std::string, kTajweedRuleCount> m_openTags;
};

// The aya's text with each letter a rule governs wrapped in
// <span class="tajweed-RULE" title="NAME">...</span> (neighbouring letters under the same rule
// share one span). The text's own bytes stay as they are and in order: a letter keeps all of
// its marks inside its span, so joining and mark placement are those of the plain text.
std::string withTajweedSpans(std::string_view ayaText);

// `text` made safe inside a double-quoted attribute value or element content.
std::string escapeHtmlText(std::string_view text);

} // namespace tilvane
