#include "core/search/search_query.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tilvane;

namespace {

// The words a hit marks, as the reader sees them highlighted.
std::vector<std::string> markedWords(const std::string& text, const std::string& query, bool wholeWord)
{
    std::vector<std::string> words;
    for (const TextMark& mark : matchMarks(text, parseQuery(query), wholeWord))
        words.push_back(text.substr(mark.begin, mark.end - mark.begin));
    return words;
}

struct MarkCase {
    const char* text;
    const char* query;
    bool wholeWord;
    std::vector<std::string> marked;
};

const MarkCase kMarkCases[] = {
    {"وَيُقِيمُونَ ٱلصَّلَوٰةَ وَمِمَّا", "الصلاة", true, {"ٱلصَّلَوٰةَ"}},
    {"بِٱلصَّبۡرِ وَٱلصَّلَوٰةِۚ", "الصلاة", true, {"وَٱلصَّلَوٰةِۚ"}},
    {"Bismillāhir-raḥmānir-raḥīm(i).", "rahman", false, {"raḥmānir"}},
    {"the Entirely Merciful", "merci", false, {"Merciful"}},
    {"the Entirely Merciful", "merci", true, {}},
    {"the Entirely Merciful", "\"the entirely\" m", false, {"the", "Entirely", "Merciful"}},
    {"当时，我与穆萨约期四十日", "穆萨", false, {"穆", "萨"}},
    {"ۖ ؟", "ۖ", false, {}},
};

TEST(SearchMarks, MarkTheWordsAQueryFoundWhateverTheirSpelling)
{
    for (const MarkCase& c : kMarkCases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.query);
        EXPECT_EQ(markedWords(c.text, c.query, c.wholeWord), c.marked);
    }
}

} // namespace
