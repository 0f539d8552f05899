// How typed text meets the text: Latin spellings of Arabic words, names of suras and places,
// and the roots and stems derived from words of the Quran text.
#include "core/quran/sura_search.h"
#include "core/search/arabic_root.h"
#include "core/search/root_lexicon.h"
#include "core/search/arabic_stem.h"
#include "core/search/quran_reference.h"
#include "core/search/search_query.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tilvane;

namespace {

// The folded spellings a typed word is searched under.
std::vector<std::string> spellingsOf(const std::string& typed)
{
    const std::vector<QueryTerm> terms = parseQuery(typed);
    return terms.size() == 1 ? terms.front().spellings : std::vector<std::string>{};
}

// The folded word a text holds for the canonical spelling.
std::string indexedAs(const std::string& text)
{
    const std::vector<QueryTerm> terms = parseQuery(text);
    return terms.size() == 1 && terms.front().tokens.size() == 1 ? terms.front().tokens.front() : std::string();
}

struct Variant {
    const char* typed;
    const char* canonical;
};

const Variant kVariants[] = {
    {"sholat", "salat"},    {"shalat", "salat"},   {"Ibraahim", "Ibrahim"}, {"Ibrohim", "Ibrahim"},
    {"syurga", "surga"},    {"qiamat", "kiamat"},  {"Yaasiin", "Yasin"},    {"dzikir", "zikir"},
    {"akhirat", "ahirat"},  {"Tsamud", "Samud"},   {"Al-Qur'an", "Alquran"}, {"Al Quran", "Alquran"},
    {"AL-QUR’AN", "alquran"}, {"ar-rahman", "arrahman"}, {"Mūsā", "Musa"}, {"ʿIsa", "Isa"},
};

TEST(LatinSpelling, EveryVariantIsSearchedUnderTheCanonicalSpelling)
{
    for (const Variant& v : kVariants) {
        SCOPED_TRACE(v.typed);
        const std::vector<std::string> spellings = spellingsOf(v.typed);
        EXPECT_NE(std::find(spellings.begin(), spellings.end(), indexedAs(v.canonical)), spellings.end());
    }
}

TEST(QueryTerms, RepeatedTermsCountOnceAndTooManyDifferentOnesAreRefused)
{
    std::string repeated;
    for (int k = 0; k < 5000; ++k)
        repeated += "al ";
    EXPECT_EQ(parseQuery(repeated).size(), 1u);

    std::string many;
    for (std::size_t k = 0; k <= kMaxQueryTerms; ++k)
        many += "w" + std::to_string(k) + " ";
    EXPECT_THROW(parseQuery(many), SearchQueryError);
    EXPECT_THROW(parseRootQuery("صبرقول"), SearchQueryError);
}

struct Place {
    const char* query;
    int sura;
    int aya; // -1: no place named
};

const Place kPlaces[] = {
    {"2:255", 2, 255},       {"QS 2:255", 2, 255},   {"QS. 2:255", 2, 255}, {"al baqarah 255", 2, 255},
    {"Al-Baqarah: 255", 2, 255}, {"al-kahfi", 18, 0}, {"yasin", 36, 0},     {"Yaasiin", 36, 0},
    {"as-saffat", 37, 0},    {"al mukminun", 23, 0}, {"2:287", 0, -1},      {"255", 0, -1},
    {"musa", 0, -1},         {"sabar", 0, -1},       {"al-mu'minun", 23, 0},
};

TEST(QuranReference, NamesAndNumbersOfSurasAndAyatGiveTheirPlace)
{
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.query);
        const auto place = findQuranReference(p.query);
        ASSERT_EQ(place.has_value(), p.aya >= 0);
        if (place) {
            EXPECT_EQ(place->sura, p.sura);
            EXPECT_EQ(place->aya, p.aya);
            EXPECT_TRUE(place->label.starts_with("Go to "));
        }
    }
    // Select Sura and the Sura box take the same names, and a part as before.
    EXPECT_EQ(findSuraByName("yasin"), 36);
    EXPECT_EQ(findSuraByName("al kahfi"), 18);
    EXPECT_EQ(findSuraByName("fat"), 1);
    EXPECT_EQ(findSuraByName("zzzz"), 0);
}

struct Derivation {
    const char* word; // as the Uthmani text writes it
    const char* root;
};

// Strong, hollow (قول), doubled (مدد، ربب), hamzated (امن) and defective (هدي، صلو) roots,
// with prefixes, suffixes and verb patterns around them.
const Derivation kDerivations[] = {
    {"قَالَ", "قول"},          {"يَقُولُ", "قول"},      {"قُلۡ", "قول"},          {"كَانُواْ", "كون"},
    {"يَمُدُّ", "مدد"},         {"مَدَدࣰا", "مدد"},      {"رَبِّ", "ربب"},         {"بِٱلصَّبۡرِ", "صبر"},
    {"نَّصۡبِرَ", "صبر"},       {"ٱلصَّٰبِرِينَ", "صبر"}, {"ٱلۡكِتَٰبُ", "كتب"},    {"يُؤۡمِنُونَ", "امن"},
    {"ٱلصَّلَوٰةَ", "صلو"},     {"هُدࣰى", "هدي"},        {"ٱلنَّاسِ", "نوس"},      {"ٱلۡأَرۡضِ", "ارض"},
    {"مِيثَٰقَ", "وثق"},        {"فَٱسۡتَغۡفَرُواْ", "غفر"}, {"ٱللَّهِ", "اله"},    {"مِنۡ", ""},
    // Weak radicals read from the patterns around them, hamzas and the Uthmani marks.
    {"كُنتَ", "كون"},          {"يَكُونَ", "كون"},      {"قُلۡ", "قول"},          {"أَصَابَ", "صوب"},
    {"قَآئِمَۢا", "قوم"},       {"يَشَآءُ", "شيا"},       {"جِئۡتُم", "جيا"},       {"ٱلسَّمَآءِ", "سمو"},
    {"ٱهۡتَدَىٰ", "هدي"},       {"وَلَّىٰ", "ولي"},       {"ٱلۡحَيَوٰةِ", "حيي"},
    {"لَأٓيَٰتࣲ", "ايي"},        {"تَرَىٰ", "راي"},        {"أَلِيمُۢ", "الم"},       {"ٱلۡفَوَٰحِشَ", "فحش"},
    {"ٱلدُّنۡيَا", "دنو"},
    {"\u062C\u064E\u0627\u0653\u0621\u064E", "جيا"}, // جَآءَ with its maddah apart, as the text writes it
    // Particles, patterns and endings around the radicals.
    {"أَبَدࣰا", "ابد"},         {"يَٰقَوۡمِ", "قوم"},     {"فَلۡيَعۡبُدُواْ", "عبد"}, {"ٱنتَشِرُواْ", "نشر"},
    {"شَمَآئِلِهِمۡ", "شمل"},   {"بَكَتۡ", "بكي"},        {"يُوحَىٰٓ", "وحي"},      {"لَيَقُولُنَّ", "قول"},
    {"إِحۡسَٰنࣰا", "حسن"},      {"أَهۡوَآءَ", "هوي"},      {"سَأَلَهَا", "سال"},     {"ٱلۡقُوَّةَ", "قوي"},
    {"نَّكُونَ", "كون"},       {"يَكُنِ", "كون"},        {"كُنَّا", "كون"},        {"قَآئِمࣱ", "قوم"},
    {"ءَاتَيۡنَٰهُ", "اتي"},     {"يَأۡتِي", "اتي"},       {"يَسۡتَمِعُونَ", "سمع"}, {"ٱلضَّرَّآءِ", "ضرر"},
    {"بَغۡتَةࣰ", "بغت"},        {"ٱلۡعَلِيُّ", "علي"},    {"فَوۡقِهِمۡ", "فوق"},    {"عُلُوࣰّا", "علو"},
    {"ٱبۡتِغَآءَ", "بغي"},      {"أُمَّ", "امم"},
    // Words whose letters hide their root, from the short list of such words.
    {"أَبِيهِ", "ابو"},         {"قِيلَ", "قول"},         {"ٱلتَّقۡوَىٰ", "وقي"},   {"ٱثۡنَتَا", "ثني"},
    {"كُلُواْ", "اكل"},        {"ٱلۡأُولَىٰ", "اول"},     {"أُمَّهَٰتِكُمۡ", "امم"}, {"يَكُ", "كون"},
    {"يَدَيۡهِ", "يدي"},        {"وَرَآءَهُمۡ", "وري"},   {"يَكَادُ", "كود"},
};

TEST(ArabicRoot, WordsOfTheTextGiveTheirRootsAndStems)
{
    for (const Derivation& d : kDerivations) {
        SCOPED_TRACE(d.word);
        EXPECT_EQ(arabicRoot(d.word), d.root);
    }
    for (const char* nothing : {"", "x", "ـ", "بِ", "عَنۡهُمۡ", "أَلَمۡ", "عَلَيۡكُمۡ", "وَلَوۡ"})
        EXPECT_EQ(arabicRoot(nothing), "") << nothing;
    EXPECT_EQ(rootOfTypedLetters("صبر"), "صبر");
    EXPECT_EQ(rootOfTypedLetters("مد"), "مدد");
    EXPECT_EQ(rootOfTypedLetters("سأل"), "سال");
    EXPECT_EQ(rootOfTypedLetters("صابرين"), "");
    for (const char* word : {"قلوبهم", "بقلوبهم", "قلوبكم", "والقلوب"})
        EXPECT_EQ(arabicStem(word), "قلوب") << word;
}

// A word alone may read either way (تَجِدُ: a ت of the imperfect or of the root); the other
// words of the text that write the root out choose, and a word the text lacks is read alone.
TEST(RootLexicon, OtherWordsOfTheTextChooseAWordsReading)
{
    const std::vector<std::string> text = {
        "وَجَدَ وَجَدۡتُمۡ وَجَدۡنَا تَجِدُ",
        "أَخَذَ يَأۡخُذُ أَخۡذَ ٱتَّخَذُواْ",
        "يَزِيدُ زَادَهُمۡ زَادَتۡهُمۡ",
        "أَتَىٰٓ أَتَيۡنَا يَأۡتِيَ",
        "وِقَايَةࣰ ٱلۡمُتَّقِينَ تَتَّقُونَ",
        "زِينَةࣰ زِينَتَهُنَّ",
        // A weak radical written out outweighs any number of words that only guess it.
        "ٱلنَّجۡوَىٰ نَجَّيۡنَا أَنجَيۡنَٰهُ يُنَجِّي",
        "ٱلۡيَقِينِ يُوقِنُونَ",
        "وَحۡيࣱ يُوحَىٰٓ أَوۡحَيۡنَآ أُوحِيَ",
        "جَآءَ جَآءَتۡ يَجِيٓءُ جَآءَكَ",
    };
    const RootLexicon lexicon = RootLexicon::derive(text);
    const Derivation kChosen[] = {
        {"تَجِدُ", "وجد"},         {"ٱتَّخَذُواْ", "اخذ"},  {"زَادَتۡهُمۡ", "زيد"}, {"يَأۡتِيَ", "اتي"},
        {"ٱلۡمُتَّقِينَ", "وقي"},  {"تَتَّقُونَ", "وقي"},   {"زِينَتَهُنَّ", "زين"}, {"قَالَ", "قول"},
        {"نَجَّيۡنَا", "نجو"},     {"يُنَجِّي", "نجو"},     {"يُوقِنُونَ", "يقن"},   {"أُوحِيَ", "وحي"},
        {"جَآءَكَ", "جيا"},
    };
    for (const Derivation& d : kChosen) {
        SCOPED_TRACE(d.word);
        EXPECT_EQ(lexicon.rootOf(d.word), d.root);
    }
    EXPECT_EQ(lexicon.rootOf("وَجَدۡنَاۚ"), "وجد"); // a pause mark above is no part of the word
    EXPECT_EQ(RootLexicon(lexicon.roots()).rootOf("تَجِدُ"), "وجد");
    EXPECT_TRUE(RootLexicon::derive({"the text of a translation"}).empty());
}

} // namespace
