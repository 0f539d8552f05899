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
    const char* query;
    const char* floorToken; // one plain token of the query, for the floor
};

constexpr QueryCase kQueries[] = {
    {"SearchArabicModernSpelling", "الصلاة", "الصلاه"},
    {"SearchArabicWords", "الله لا اله الا هو الحي القيوم", "القيوم"},
    {"SearchArabicPhrase", "\"الحي القيوم\"", "القيوم"},
    {"SearchLatinWordPart", "rahman", "rahman"},
    {"SearchTranslationWord", "Musa", "musa"},
    {"SearchCommonWordPart", "mercy", "mercy"},
};

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
        state, [&] { benchmark::DoNotOptimize(b.index->find(query.query, {})); },
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
    for (const QueryCase& query : kQueries)
        registerBesideFloor(query.name, [&query](benchmark::State& state) { runQuery(state, query); });
}

} // namespace tilvane::bench
