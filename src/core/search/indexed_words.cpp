#include "core/search/indexed_words.h"

#include "core/search/arabic_root.h"
#include "core/search/arabic_stem.h"
#include "core/search/latin_spelling.h"

#include <algorithm>

namespace tilvane {

bool isMarkedToken(std::string_view token)
{
    return token.starts_with(kRootMarker) || token.starts_with(kStemMarker);
}

std::string wordAsWritten(std::string_view word)
{
    std::string out;
    for (std::size_t i = 0; i < word.size();) {
        const char32_t c = nextCodePoint(word, i);
        const bool pause = (c >= U'\u06D6' && c <= U'\u06DC') || c == U'\u06DE' || c == U'\u06E9';
        if (!pause)
            appendUtf8(out, c);
    }
    return out;
}

void forEachIndexedWord(std::string_view text,
                        const std::function<void(const FoldedWord& word, const std::vector<std::string>& others)>& visit)
{
    std::string previousLatin;
    std::vector<std::string> others;
    forEachWord(text, [&](const FoldedWord& word) {
        const std::vector<std::string> spellings = alternativeSpellings(text, word);
        others = spellings;
        if (word.latin && joinsWithNextWord(previousLatin, word.folded))
            others.push_back(previousLatin + word.folded);
        previousLatin = word.latin ? word.folded : std::string();
        if (word.arabic && word.vowelled) {
            const std::string_view written = text.substr(word.begin, word.end - word.begin);
            if (const std::string root = arabicRoot(written); !root.empty())
                others.push_back(kRootMarker + root);
            if (const std::string stem = arabicStem(word.folded); !stem.empty())
                others.push_back(kStemMarker + stem);
            for (const std::string& spelling : spellings) {
                if (const std::string stem = arabicStem(spelling); !stem.empty())
                    others.push_back(kStemMarker + stem);
            }
            std::sort(others.begin(), others.end());
            others.erase(std::unique(others.begin(), others.end()), others.end());
        }
        visit(word, others);
    });
}

} // namespace tilvane
