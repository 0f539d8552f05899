// What a small index answers beyond finding: the order by relevance, the texts searched, the
// words offered when nothing is found, and the part of a long text a row shows.
#include "core/search/latin_spelling.h"
#include "core/search/search_index.h"
#include "core/search/search_snippet.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace tilvane;
using namespace tilvane::test;

namespace {

SearchSource textOf(const std::string& name, std::vector<std::string> ayat)
{
    return {name, name, kFieldTranslation, "1", [ayat] { return ayat; }};
}

class SmallIndex : public ::testing::Test {
protected:
    void SetUp() override
    {
        index = std::make_unique<SearchIndex>((folder / "index.sqlite").string());
        index->update({
            textOf("shown", {"Ketidakpuasan mereka", "kewajiban berpuasa", "puasa di bulan Ramadan", "salat dan sabar"}),
            textOf("other", {"", "", "puasa puasa puasa", "sholat"}),
        });
    }

    std::vector<std::string> texts(const SearchResults& results)
    {
        std::vector<std::string> out;
        for (const SearchHit& hit : results.hits)
            out.push_back(hit.text);
        return out;
    }

    TempFolder folder;
    std::unique_ptr<SearchIndex> index;
};

TEST_F(SmallIndex, RelevancePutsWordStartsAndShownTextsFirstAndQuranOrderKeepsItsOrder)
{
    SearchOptions options;
    options.activeSources = {"shown"};
    EXPECT_EQ(texts(index->find("puasa", options)),
              (std::vector<std::string>{"Ketidakpuasan mereka", "kewajiban berpuasa", "puasa di bulan Ramadan",
                                        "puasa puasa puasa"}));
    options.order = SearchOrder::Relevance;
    const std::vector<std::string> ranked = texts(index->find("puasa", options));
    ASSERT_EQ(ranked.size(), 4u);
    // A shown text at a word's start, then the other text's word starts, then the words
    // holding it inside (equal scores in Quran order).
    EXPECT_EQ(ranked, (std::vector<std::string>{"puasa di bulan Ramadan", "puasa puasa puasa", "Ketidakpuasan mereka",
                                                "kewajiban berpuasa"}));
}

TEST_F(SmallIndex, TheShownTextsAloneAreSearchedWhenAsked)
{
    SearchOptions options;
    options.activeSources = {"shown"};
    options.allTexts = false;
    const SearchResults results = index->find("sholat", options);
    EXPECT_EQ(texts(results), std::vector<std::string>{"salat dan sabar"});
    options.allTexts = true;
    EXPECT_EQ(index->find("sholat", options).ayaCount, 1u); // the same aya in both texts
    EXPECT_EQ(index->find("sholat", options).total, 2u);
}

TEST_F(SmallIndex, NothingFoundOffersTheNearestIndexedWords)
{
    EXPECT_EQ(index->find("Romadan", {}).total, 1u) << "a typed o may stand for a";
    const SearchResults missed = index->find("sabr", {});
    EXPECT_EQ(missed.total, 0u);
    ASSERT_FALSE(missed.suggestions.empty());
    EXPECT_EQ(missed.suggestions.front(), "sabar");
    EXPECT_TRUE(index->find("qwxyzv", {}).suggestions.empty());
}

struct SnippetCase {
    std::string text;
    std::size_t markAt;
    bool cutInFront;
};

TEST(SearchSnippet, TheFirstMatchStandsNearTheStartOfTheRow)
{
    std::string words;
    for (int k = 0; k < 100; ++k)
        words += "word" + std::to_string(k) + " ";
    const std::size_t late = words.find("word90");
    const SnippetCase cases[] = {
        {"short text", 0, false},
        {words, words.find("word1 "), false},
        {words, late, true},
    };
    for (const SnippetCase& c : cases) {
        const TextSpan span = snippetAround(c.text, {{c.markAt, c.markAt + 4}}, 40, 120);
        EXPECT_EQ(span.begin > 0, c.cutInFront);
        EXPECT_LE(span.begin, c.markAt);
        EXPECT_GE(span.end, c.markAt + 4);
        EXPECT_TRUE(span.begin == 0 || c.text[span.begin - 1] == ' ') << "starts at a word";
        EXPECT_LE(c.markAt - span.begin, 48u);
    }
}

TEST(LatinSpelling, FoldsAndVariantsAndDistances)
{
    EXPECT_EQ(foldLatinSpelling("syahadat"), "sahadat");
    EXPECT_EQ(foldLatinSpelling("tsaqofah"), "sakufah");
    EXPECT_EQ(foldLatinSpelling("dhuhur"), "zuhur");
    EXPECT_EQ(latinQueryVariants("ibrohim"), (std::vector<std::string>{"ibruhim", "ibrahim"}));
    EXPECT_EQ(nameKey("Al-'Ankabuut"), nameKey("al ankabut"));
    EXPECT_EQ(editDistance("sabar", "sabr", 2), 1u);
    EXPECT_EQ(editDistance("sabar", "xyzxyz", 2), 3u) << "counted to the limit only";
}

} // namespace
