#include "beside_floor.h"
#include "cases.h"

#include "core/search/fold_tokenizer.h"
#include "core/search/search_sources.h"
#include "core/search/search_db.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tilvane::bench {

namespace {

// Queries a reader types, over all fields of the default data and every installed package.
struct QueryCase {
    const char* name;
    std::string query;
    const char* floorToken; // one plain token of the query, for the floor
    SearchMode mode = SearchMode::Words;
    SearchOrder order = SearchOrder::Quran;
};

// 10,000 characters of the 32 different words a query may hold, each many times over.
std::string longQuery()
{
    constexpr const char* kWords[] = {"al", "an", "ka", "la", "ma", "ya", "di", "me", "ku", "sa", "ra",
                                      "ta", "in", "ni", "ha", "ba", "da", "ga", "ja", "pa", "wa", "za",
                                      "ar", "er", "ir", "ur", "am", "em", "im", "um", "as", "es"};
    std::string query;
    for (std::size_t k = 0; query.size() < 10'000; ++k)
        query += std::string(kWords[k % std::size(kWords)]) + " ";
    return query.substr(0, 10'000);
}

const std::vector<QueryCase>& queries()
{
    static const std::vector<QueryCase> list = {
        {"SearchArabicModernSpelling", "الصلاة", "الصلاه"},
        {"SearchArabicWords", "الله لا اله الا هو الحي القيوم", "القيوم"},
        {"SearchArabicPhrase", "\"الحي القيوم\"", "القيوم"},
        {"SearchLatinWordPart", "rahman", "rahman"},
        {"SearchTranslationWord", "Musa", "musa"},
        {"SearchCommonWordPart", "mercy", "mercy"},
        {"SearchSpellingVariant", "sholat", "salat"},
        {"SearchRelevance", "puasa", "puasa", SearchMode::Words, SearchOrder::Relevance},
        {"SearchNothingWithSuggestions", "sabarrr", "sabar"},
        {"SearchRoot", "قول", "قال", SearchMode::Root},
        {"SearchRootSpelledApart", "ص ب ر", "صبر", SearchMode::Root},
        {"SearchStem", "قلوبهم", "قلوب", SearchMode::Stem},
        {"SearchLongQuery", longQuery(), "al"},
    };
    return list;
}

struct SearchBench {
    std::string indexPath;
    std::vector<SearchSource> sources;
    std::unique_ptr<SearchIndex> index;
    std::unique_ptr<SqliteDb> floorDb; // a second connection to the same file
};

SearchBench& bench()
{
    static SearchBench instance;
    return instance;
}

void openIndex()
{
    SearchBench& b = bench();
    if (b.index)
        return;
    b.index = std::make_unique<SearchIndex>(b.indexPath);
    b.index->update(b.sources);
    b.floorDb = openSearchDb(b.indexPath);
    registerFoldTokenizer(*b.floorDb);
}

// The floor of a build: a plain FTS5 table (its own tokenizer, no spellings) of the same texts.
void buildIndex(benchmark::State& state)
{
    SearchBench& b = bench();
    std::vector<std::vector<std::string>> texts;
    for (const SearchSource& source : b.sources)
        texts.push_back(source.ayaTexts());
    const std::string workPath = b.indexPath + ".build";
    const std::string floorPath = b.indexPath + ".floor";
    measureBesideFloor(
        state, [&] { SearchIndex(workPath).update(b.sources); },
        [&] {
            const std::unique_ptr<SqliteDb> db = openSearchDb(floorPath);
            db->exec("BEGIN; CREATE VIRTUAL TABLE words USING fts5(body)");
            SqliteStatement insert(*db, "INSERT INTO words(body) VALUES(?1)");
            for (const auto& ayat : texts) {
                for (const std::string& aya : ayat) {
                    insert.bind(1, aya).step();
                    insert.reset();
                }
            }
            db->exec("COMMIT");
        },
        [&] {
            std::filesystem::remove(workPath);
            std::filesystem::remove(floorPath);
        });
    std::filesystem::remove(workPath);
    std::filesystem::remove(floorPath);
}

void runQuery(benchmark::State& state, const QueryCase& query)
{
    openIndex();
    SearchBench& b = bench();
    SqliteStatement floor(*b.floorDb, "SELECT rowid FROM words WHERE words MATCH ?1");
    measureBesideFloor(
        state,
        [&] {
            SearchOptions options;
            options.mode = query.mode;
            options.order = query.order;
            benchmark::DoNotOptimize(b.index->find(query.query, options));
        },
        [&] {
            floor.bind(1, query.floorToken);
            while (floor.step())
                benchmark::DoNotOptimize(floor.int64(0));
            floor.reset();
        });
}

} // namespace

void registerSearchCases(const std::string& scratch)
{
    bench().indexPath = scratch + "/search.sqlite";
    bench().sources = searchSources(textStoreTexts());
    registerBesideFloor("SearchIndexBuild", &buildIndex);
    for (const QueryCase& query : queries())
        registerBesideFloor(query.name, [&query](benchmark::State& state) { runQuery(state, query); });
}

} // namespace tilvane::bench
