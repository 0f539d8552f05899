#include "core/base/errors.h"
#include "core/search/search_index.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

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

} // namespace
