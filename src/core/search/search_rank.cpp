#include "core/search/search_rank.h"

#include "core/search/indexed_words.h"

#include <algorithm>
#include <cmath>

namespace tilvane {

namespace {

constexpr double kK1 = 1.2;
constexpr double kB = 0.75;
constexpr double kInsideWord = 0.25;   // a term inside a word, against one at its start
constexpr double kActiveWeight = 2.0;  // the Arabic text and the translations shown
constexpr double kPhraseWeight = 1.0;

struct TextStats {
    std::vector<double> frequency; // per term
    std::size_t words = 0;
};

TextStats statsOf(const std::string& text, const std::vector<QueryTerm>& terms, bool wholeWord)
{
    TextStats stats;
    stats.frequency.assign(terms.size(), 0.0);
    forEachIndexedWord(text, [&](const FoldedWord& word, const std::vector<std::string>& others) {
        ++stats.words;
        for (std::size_t t = 0; t < terms.size(); ++t) {
            const QueryTerm& term = terms[t];
            if (term.phrase) {
                // A phrase's first word stands for it; the index already checked the rest.
                if (tokenMatches(term.tokens.front(), word.folded, true)
                    || std::any_of(others.begin(), others.end(),
                                   [&](const std::string& form) { return form == term.tokens.front(); }))
                    stats.frequency[t] += kPhraseWeight;
                continue;
            }
            std::size_t best = termMatchAt(term, word.folded, wholeWord);
            for (const std::string& form : others)
                best = std::min(best, termMatchAt(term, form, wholeWord));
            if (best != std::string::npos)
                stats.frequency[t] += best == 0 ? 1.0 : kInsideWord;
        }
    });
    return stats;
}

} // namespace

void rankByRelevance(std::vector<SearchHit>& hits, const std::vector<QueryTerm>& terms, const SearchOptions& options)
{
    std::vector<TextStats> stats;
    stats.reserve(hits.size());
    double totalWords = 0;
    for (const SearchHit& hit : hits) {
        stats.push_back(statsOf(hit.text, terms, options.wholeWord));
        totalWords += static_cast<double>(stats.back().words);
    }
    const double averageWords = hits.empty() ? 1.0 : std::max(1.0, totalWords / static_cast<double>(hits.size()));
    for (std::size_t k = 0; k < hits.size(); ++k) {
        double score = 0;
        const double length = static_cast<double>(stats[k].words) / averageWords;
        for (double frequency : stats[k].frequency)
            score += frequency * (kK1 + 1) / (frequency + kK1 * (1 - kB + kB * length));
        const bool active = std::find(options.activeSources.begin(), options.activeSources.end(), hits[k].sourceName)
            != options.activeSources.end();
        hits[k].score = score * (active ? kActiveWeight : 1.0);
    }
    std::stable_sort(hits.begin(), hits.end(), [](const SearchHit& a, const SearchHit& b) { return a.score > b.score; });
}

} // namespace tilvane
