#pragma once

#include "core/search/search_query.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tilvane {

inline constexpr std::size_t kMaxSuggestions = 5;

// The indexed words nearest to the query's words by edit distance on their folded forms (at
// most one edit for short words, two for longer ones), the closest and most used first; each
// is an indexed word as folded. vocabulary holds the words between line ends, rowsOf the
// number of rows of each.
std::vector<std::string> nearestWords(const std::string& vocabulary, const std::vector<std::uint32_t>& rowsOf,
                                      const std::vector<QueryTerm>& terms);

} // namespace tilvane
