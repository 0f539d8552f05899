#pragma once

#include "core/search/search_query.h"

#include <cstddef>
#include <string_view>

namespace tilvane {

// The part of a hit's text a result row shows: it starts at a word some letters before the
// first match, so that the match stands near the start of the row's few lines however long
// the aya. begin == 0 and end == text.size() when the whole text fits.
struct TextSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};
TextSpan snippetAround(std::string_view text, const std::vector<TextMark>& marks, std::size_t lettersBefore,
                       std::size_t lettersInAll);

} // namespace tilvane
