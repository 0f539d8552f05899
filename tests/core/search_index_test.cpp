#include "core/base/errors.h"
#include "core/base/sqlite_db.h"
#include "core/search/fold_tokenizer.h"
#include "core/search/search_db.h"
#include "core/quran/sura_table.h"
#include "core/search/search_index.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tilvane;
using namespace tilvane::test;

namespace {

SearchSource source(const std::string& name, const std::string& stamp, const std::string& firstAya, int* reads)
{
    return {name, name, kFieldTranslation, stamp, [firstAya, reads] {
                ++*reads;
                return std::vector<std::string>{firstAya, "second aya"};
            }};
}

std::string firstHitText(SearchIndex& index, const std::string& query)
{
    const SearchResults results = index.find(query, {});
    return results.hits.empty() ? std::string() : results.hits.front().text;
}

// The index keeps what it has until a stamp changes, rebuilds a file that is not a database,
// and leaves out (and names) a text that cannot be read.
TEST(SearchIndex, ReindexesOnlyChangedSourcesAndRebuildsADamagedFile)
{
    TempFolder folder;
    const std::string path = (folder / "cache/index.sqlite").string();
    int reads = 0;
    {
        SearchIndex index(path);
        index.update({source("a", "1", "Moses spoke", &reads)});
        index.update({source("a", "1", "Moses spoke", &reads)});
        EXPECT_EQ(reads, 1);
        EXPECT_EQ(firstHitText(index, "moses"), "Moses spoke");

        index.update({source("a", "2", "Aaron spoke", &reads)});
        EXPECT_EQ(reads, 2);
        EXPECT_EQ(firstHitText(index, "moses"), "");
        EXPECT_EQ(firstHitText(index, "aaron"), "Aaron spoke");
    }

    writeFile(path, std::string(4096, 'x'));
    SearchIndex rebuilt(path);
    SearchSource broken{"b", "b", kFieldLatin, "1", []() -> std::vector<std::string> { throw TilvaneError("b is unreadable"); }};
    rebuilt.update({source("a", "2", "Aaron spoke", &reads), broken});
    EXPECT_EQ(reads, 3);
    EXPECT_EQ(firstHitText(rebuilt, "spoke"), "Aaron spoke");
    EXPECT_EQ(rebuilt.takeProblems(), std::vector<std::string>{"b is unreadable"});

    broken.required = true;
    EXPECT_THROW(rebuilt.update({broken}), TilvaneError);
}

// The index path is the program's own: a link planted there (here at the user's library) is
// replaced, never written through; a file of SQLite tables that are not the index's (one
// dropped, or made with another tokenizer) is built anew, as a damaged file is.
TEST(SearchIndex, ReplacesALinkAtItsPathAndRebuildsForeignTables)
{
    TempFolder folder;
    const std::string path = (folder / "index.sqlite").string();
    const std::string library = (folder / "library.db").string();
    openSearchDb(library)->exec("CREATE TABLE bookmarks(aya INTEGER)");
    std::filesystem::create_symlink(library, path);
    int reads = 0;
    {
        SearchIndex index(path);
        index.update({source("a", "1", "Moses spoke", &reads)});
        EXPECT_EQ(firstHitText(index, "moses"), "Moses spoke");
    }
    EXPECT_EQ(openSearchDb(library)->queryInteger("SELECT count(*) FROM sqlite_master"), 1);
    EXPECT_FALSE(std::filesystem::is_symlink(path));

    for (const char* damage : {"DROP TABLE sources", "DROP TABLE words; CREATE VIRTUAL TABLE words USING "
                                                     "fts5(body, content='docs', content_rowid='id', tokenize='unicode61')"}) {
        SCOPED_TRACE(damage);
        const auto db = openSearchDb(path);
        registerFoldTokenizer(*db);
        db->exec(damage);
        SearchIndex rebuilt(path);
        rebuilt.update({source("a", "1", "Moses spoke", &reads)});
        EXPECT_EQ(firstHitText(rebuilt, "moses"), "Moses spoke");
    }
    EXPECT_EQ(reads, 3);
}

// Past the slots of an index's row ids, texts are left out and named, not dropped unsaid.
TEST(SearchIndex, NamesTheTextsPastItsLimit)
{
    TempFolder folder;
    std::vector<SearchSource> sources;
    int reads = 0;
    for (std::size_t k = 0; k <= SearchIndex::kMaxSources; ++k)
        sources.push_back(source("text" + std::to_string(k), "1", "word", &reads));
    SearchIndex index((folder / "index.sqlite").string());
    index.update(sources);
    const std::vector<std::string> problems = index.takeProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems.front().find("\"text1024\" is left out"), std::string::npos) << problems.front();
}

} // namespace

// A short part of a word is checked in the rows the rarer term found, thousands of them at
// once shared among threads: the rows kept are exactly those holding both.
TEST(SearchIndex, ManyRowsCheckedForAWordPartKeepExactlyTheRowsHoldingEveryTerm)
{
    TempFolder folder;
    std::vector<std::string> ayat;
    for (int k = 0; k < kAyaCount; ++k)
        ayat.push_back(std::string(k % 3 == 0 ? "sabarlah " : "") + "kitab " + (k % 2 == 0 ? "jalan" : "pulang"));
    SearchIndex index((folder / "index.sqlite").string());
    index.update({{"t", "t", kFieldTranslation, "1", [ayat] { return ayat; }}});

    const SearchResults results = index.find("alan sa", {});
    EXPECT_EQ(results.total, static_cast<std::size_t>((kAyaCount + 5) / 6));
    for (const SearchHit& hit : results.hits)
        EXPECT_EQ(hit.text, "sabarlah kitab jalan");
}
