// Search over the built default data and all built translation packages, as the reader and
// tilvane-search see them.
#include "data_fixture.h"

#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/quran/juz_starts.h"
#include "core/quran/sura_table.h"
#include "core/quran/translations.h"
#include "core/search/root_lexicon.h"
#include "core/search/search_sources.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <set>

using namespace tilvane;
using namespace tilvane::test;

namespace {

struct Pos {
    int sura;
    int aya;
    auto operator<=>(const Pos&) const = default;
};

class SearchOnBuiltData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ResetAppDirsForTesting();
        InitAppDirs(std::string(TILVANE_BUILD_DIR) + "/");
        LoadSettings();
        LoadTranslationCatalogue();
        index = std::make_unique<SearchIndex>(searchIndexPath(AppDirs.AppDir));
        index->update(searchSources(archiveTexts()));
    }
    static void TearDownTestSuite() { index.reset(); }

    static std::set<Pos> ayatOf(const SearchResults& results, const std::string& title = {})
    {
        std::set<Pos> ayat;
        for (const SearchHit& hit : results.hits) {
            if (title.empty() || hit.sourceTitle == title)
                ayat.insert({hit.sura, hit.aya});
        }
        return ayat;
    }

    static std::unique_ptr<SearchIndex> index;
};

std::unique_ptr<SearchIndex> SearchOnBuiltData::index;

struct Case {
    const char* query;
    int fields;
    bool wholeWord;
    std::vector<Pos> among;  // each of these ayat is found
    int ayaCount;            // -1: any number
};

// What a reader types (modern spelling, no marks, or with marks, attached prefixes) against
// the Uthmani text and the translations.
const Case kCases[] = {
    {"الله لا اله الا هو الحي القيوم", kAllFields, false, {{2, 255}, {3, 2}}, -1},
    {"\"الحي القيوم\"", kFieldArabic, false, {{2, 255}, {3, 2}, {20, 111}}, 3},
    {"\"الحي القي", kFieldArabic, false, {{2, 255}, {3, 2}, {20, 111}}, 3}, // typed so far
    {"\"القيوم الحي\"", kFieldArabic, false, {}, 0},                        // a phrase keeps its order
    {"الصلاة", kFieldArabic, true, {{2, 3}, {2, 45}, {4, 103}}, 62}, // with و ب ل in front
    {"ٱلصَّلَوٰةَ", kFieldArabic, true, {{2, 3}}, 62},                 // vowelled as in the text
    {"الزكاة", kFieldArabic, false, {{2, 43}, {2, 110}}, -1},
    {"الحياة", kFieldArabic, false, {{2, 85}, {2, 86}}, -1},
    {"السماوات", kFieldArabic, false, {{2, 164}, {2, 255}}, -1},
    {"الكتاب", kFieldArabic, false, {{2, 2}}, -1},
    {"القرآن", kFieldArabic, false, {{2, 185}, {17, 9}}, -1},
    {"إبراهيم", kFieldArabic, true, {{2, 124}, {14, 35}}, -1},
    {"يسألونك", kFieldArabic, true, {{2, 189}, {2, 215}}, -1}, // hamza on a tatweel
    {"صلا", kFieldArabic, false, {{2, 3}, {2, 238}}, -1},       // a part of الصلوات too
    {"rahman", kFieldLatin, false, {{1, 1}, {1, 3}}, -1},        // raḥmān
    {"moise", kFieldTranslation, false, {{2, 51}}, -1},          // Moïse
    {"МУСА", kFieldTranslation, true, {{7, 104}}, -1},           // Муса
    {"穆萨", kFieldTranslation, true, {{2, 51}, {2, 53}}, -1},   // no blanks between words
    {"ENTIRELY MERCIFUL", kFieldTranslation, false, {{1, 1}, {1, 3}}, -1},
    {"ۖ  ؟ ", kAllFields, false, {}, 0}, // only marks and punctuation
};

TEST_F(SearchOnBuiltData, FindsTypedSpellingsOfQuranWords)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.query);
        SearchOptions options;
        options.fields = c.fields;
        options.wholeWord = c.wholeWord;
        const SearchResults results = index->find(c.query, options);
        const std::set<Pos> found = ayatOf(results);
        for (const Pos& pos : c.among)
            EXPECT_TRUE(found.contains(pos)) << pos.sura << ":" << pos.aya;
        if (c.ayaCount >= 0) {
            EXPECT_EQ(results.ayaCount, static_cast<std::size_t>(c.ayaCount));
        }
        for (const SearchHit& hit : results.hits)
            EXPECT_NE(hit.field & c.fields, 0);
    }
}

TEST_F(SearchOnBuiltData, FindsEveryMusaOfTheIndonesianTranslationInQuranOrder)
{
    const auto lines = crLfLines(builtLibina().files.at("libina/ina_tran.txt"));
    const std::regex musa("\\bmusa\\b", std::regex::icase);
    std::set<Pos> expected;
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        for (int aya = 1; aya <= SuraTable[sura].AyaCount; ++aya) {
            if (std::regex_search(lines.at(static_cast<std::size_t>(globalAyaIndex(sura, aya) - 1)), musa))
                expected.insert({sura, aya});
        }
    }
    ASSERT_GT(expected.size(), 100u);
    SearchOptions options;
    options.fields = kFieldTranslation;
    options.wholeWord = true;
    const SearchResults results = index->find("Musa", options);
    EXPECT_EQ(ayatOf(results, Translations[kBuiltInFootnote].FullName), expected);
    EXPECT_TRUE(std::is_sorted(results.hits.begin(), results.hits.end(),
                               [](const SearchHit& a, const SearchHit& b) { return Pos{a.sura, a.aya} < Pos{b.sura, b.aya}; }));
}

TEST_F(SearchOnBuiltData, ScopesAndTheSingleLetterCapHoldHitsInBounds)
{
    SearchOptions juz;
    juz.firstAya = juzFirstAya(30);
    juz.lastAya = juzLastAya(30);
    const SearchResults inJuz = index->find("موسى", juz);
    ASSERT_FALSE(inJuz.hits.empty());
    for (const SearchHit& hit : inJuz.hits)
        EXPECT_GE(hit.sura, 78);

    const SearchResults letter = index->find("م", {});
    EXPECT_TRUE(letter.capped);
    EXPECT_EQ(letter.hits.size(), kSingleLetterCap);
    EXPECT_GT(letter.total, kSingleLetterCap);
}

// Spellings people type find at least the ayat of the canonical spelling.
TEST_F(SearchOnBuiltData, SpellingVariantsFindTheCanonicalSpellingsAyat)
{
    const std::pair<const char*, const char*> kVariants[] = {
        {"sholat", "salat"}, {"shalat", "salat"}, {"Ibraahim", "Ibrahim"}, {"Ibrohim", "Ibrahim"},
        {"syurga", "surga"}, {"qiamat", "kiamat"}, {"Al Quran", "Al-Qur'an"}, {"Alquran", "Al-Qur'an"},
    };
    for (const auto& [typed, canonical] : kVariants) {
        SCOPED_TRACE(typed);
        const std::set<Pos> expected = ayatOf(index->find(canonical, {}));
        ASSERT_FALSE(expected.empty());
        const std::set<Pos> found = ayatOf(index->find(typed, {}));
        EXPECT_TRUE(std::includes(found.begin(), found.end(), expected.begin(), expected.end()));
    }
}

// Root and stem queries over the Arabic text: every form of a root, weak and doubled ones
// included, and a word's stem with other pronouns and prefixes; each form found counts the
// hits holding it, and every hit holds one.
TEST_F(SearchOnBuiltData, RootsAndStemsFindTheWordsDerivedFromThem)
{
    struct RootCase {
        SearchMode mode;
        const char* query;
        std::vector<Pos> among;
    };
    const RootCase kCases[] = {
        {SearchMode::Root, "صبر", {{2, 45}, {2, 153}, {2, 250}}},  // بِٱلصَّبۡرِ، ٱلصَّٰبِرِينَ، صَبۡرࣰا
        {SearchMode::Root, "ص ب ر", {{2, 61}}},                     // نَّصۡبِرَ
        {SearchMode::Root, "قول", {{2, 8}, {2, 11}, {2, 30}}},       // يَقُولُ، قِيلَ، قَالَ
        {SearchMode::Root, "مدد", {{2, 15}}},                       // يَمُدُّهُمۡ
        {SearchMode::Stem, "قلوبهم", {{2, 7}, {2, 10}, {2, 74}}},    // قُلُوبِهِمۡ، قُلُوبُكُم
    };
    for (const RootCase& c : kCases) {
        SCOPED_TRACE(c.query);
        SearchOptions options;
        options.mode = c.mode;
        options.fields = kFieldArabic;
        const SearchResults results = index->find(c.query, options);
        const std::set<Pos> found = ayatOf(results);
        for (const Pos& pos : c.among)
            EXPECT_TRUE(found.contains(pos)) << pos.sura << ":" << pos.aya;
        ASSERT_FALSE(results.forms.empty());
        std::set<std::size_t> held;
        for (const FoundForm& form : results.forms) {
            EXPECT_EQ(form.count(), form.hits.size()) << form.form;
            held.insert(form.hits.begin(), form.hits.end());
        }
        EXPECT_EQ(held.size(), results.hits.size());
    }
    // The roots read when the text was indexed are kept with it: another process reads them
    // from the file and finds the same ayat.
    SearchOptions options;
    options.mode = SearchMode::Root;
    const SearchResults here = index->find("قول", options);
    ASSERT_NE(here.roots, nullptr);
    SearchIndex reopened(index->path());
    const SearchResults there = reopened.find("قول", options);
    ASSERT_NE(there.roots, nullptr);
    EXPECT_EQ(ayatOf(there), ayatOf(here));
    EXPECT_EQ(there.roots->roots().size(), here.roots->roots().size());
}

// Relevance puts a word that begins with the query above one holding it inside; the texts
// searched by default are the Arabic and the active translations.
TEST_F(SearchOnBuiltData, RelevanceAndTheActiveTextsScope)
{
    SearchOptions options;
    options.order = SearchOrder::Relevance;
    options.activeSources = activeSourceNames();
    options.allTexts = false;
    const SearchResults results = index->find("puasa", options);
    ASSERT_FALSE(results.hits.empty());
    EXPECT_TRUE(std::regex_search(results.hits.front().text, std::regex("\\bpuasa", std::regex::icase)))
        << results.hits.front().text;
    for (const SearchHit& hit : results.hits) {
        EXPECT_NE(std::find(options.activeSources.begin(), options.activeSources.end(), hit.sourceName),
                  options.activeSources.end());
    }
    EXPECT_GT(index->find("puasa", {}).total, results.total);
}

// tilvane-search's exit codes: 0 with hits on stdout, 2 for bad arguments, 1 when the data
// cannot be loaded.
TEST(SearchCommand, PrintsHitsAndExitsWithItsCodes)
{
    const std::string command = shellQuote(std::string(TILVANE_BUILD_DIR) + "/tilvane-search");
    const CommandResult found = runCommand(command + " --field arabic --sura 2 --whole-word " + shellQuote("الحي القيوم"));
    EXPECT_EQ(found.exitCode, 0);
    EXPECT_EQ(found.output.rfind("2:255\tarabic\t", 0), 0u) << found.output;

    for (const char* bad : {"", "--juz 31 x", "--sura 1 --juz 2 x", "--field greek x", "--limit", "a b"})
        EXPECT_EQ(runCommand(command + " " + bad).exitCode, 2) << bad;

    TempFolder empty;
    EXPECT_EQ(runCommand(command + " --app-dir " + shellQuote(empty.dir()) + " x").exitCode, 1);

    // Nothing found: exit 0, no hits, and the nearest words (on stderr).
    const CommandResult nothing = runCommand(command + " --field latin sabarr");
    EXPECT_EQ(nothing.exitCode, 0);
    EXPECT_NE(nothing.output.find("no results"), std::string::npos) << nothing.output;
    EXPECT_NE(nothing.output.find("did you mean: sabar"), std::string::npos) << nothing.output;
    EXPECT_EQ(nothing.output.find('\t'), std::string::npos) << nothing.output;
    EXPECT_EQ(runCommand(command + " --root " + shellQuote("صبر") + " 2>/dev/null | head -1").output.rfind("2:45\t", 0), 0u);
    for (const char* bad : {"--root --stem x", "--order best x", "--texts some x", "--root abcdef"})
        EXPECT_EQ(runCommand(command + " " + bad).exitCode, 2) << bad;
}

} // namespace
