#pragma once

#include "core/search/search_types.h"

#include <vector>

namespace tilvane {

// Orders hits by relevance, best first: a BM25 score of the terms in each hit's text (term
// frequency saturating, long texts weighed down), where a word that begins with a term counts
// fully and a term inside a word ("puasa" in "Ketidakpuasan") counts little, and the texts
// the reader shows (options.activeSources) weigh above the others. Equal scores keep Quran order.
void rankByRelevance(std::vector<SearchHit>& hits, const std::vector<QueryTerm>& terms, const SearchOptions& options);

} // namespace tilvane
