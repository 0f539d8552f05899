#include "core/search/search_suggest.h"

#include "core/search/latin_spelling.h"
#include "core/search/text_fold.h"

#include <algorithm>
#include <tuple>

namespace tilvane {

namespace {

struct Nearby {
    std::size_t distance;
    std::uint32_t rows;
    std::string word;
};

std::size_t allowedEdits(const std::string& word)
{
    const std::size_t letters = codePointCount(word);
    return letters < 3 ? 0 : letters < 7 ? 1 : 2;
}

} // namespace

std::vector<std::string> nearestWords(const std::string& vocabulary, const std::vector<std::uint32_t>& rowsOf,
                                      const std::vector<QueryTerm>& terms)
{
    std::vector<Nearby> found;
    for (const QueryTerm& term : terms) {
        if (term.phrase || term.marked)
            continue;
        const std::string& token = term.tokens.front();
        const std::size_t limit = allowedEdits(token);
        if (limit == 0)
            continue;
        std::size_t line = 0;
        std::size_t begin = 1;
        while (begin < vocabulary.size()) {
            const std::size_t end = vocabulary.find('\n', begin);
            const std::string_view word(vocabulary.data() + begin, end - begin);
            // Arabic letters take two bytes each: a distance in bytes counts each edit twice at most.
            const std::size_t bytes = token.size() == codePointCount(token) ? limit : 2 * limit;
            const std::size_t distance = editDistance(token, word, bytes);
            if (distance > 0 && distance <= bytes && line < rowsOf.size())
                found.push_back({distance, rowsOf[line], std::string(word)});
            ++line;
            begin = end + 1;
        }
    }
    std::sort(found.begin(), found.end(), [](const Nearby& a, const Nearby& b) {
        return std::tie(a.distance, b.rows, a.word) < std::tie(b.distance, a.rows, b.word);
    });
    std::vector<std::string> words;
    for (const Nearby& nearby : found) {
        if (words.size() == kMaxSuggestions)
            break;
        if (std::find(words.begin(), words.end(), nearby.word) == words.end())
            words.push_back(nearby.word);
    }
    return words;
}

} // namespace tilvane
