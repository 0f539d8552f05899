// Ayat a teacher checks by hand: every letter a rule governs, as "letter with its marks=rule"
// in reading order. The texts are the Madani text as the data builder writes it (open
// tanween as U+08F0..U+08F2).
#include "core/tajweed/letter_clusters.h"
#include "core/tajweed/tajweed_annotator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tilvane {
namespace {

std::vector<std::pair<std::uint32_t, TajweedRule>> indexed(const std::string& aya)
{
    std::vector<std::pair<std::uint32_t, TajweedRule>> out;
    for (const TajweedLetter& letter : annotateTajweed(aya))
        out.emplace_back(letter.letterIndex, letter.rule);
    return out;
}

std::vector<std::string> governed(const std::string& aya)
{
    std::vector<std::string> out;
    for (const TajweedLetter& letter : annotateTajweed(aya))
        out.push_back(aya.substr(letter.begin, letter.end - letter.begin) + "=" + std::string(tajweedRuleName(letter.rule)));
    return out;
}

struct AyaCase {
    const char* where;
    std::string text;
    std::vector<std::string> expected;
};

TEST(TajweedAnnotator, GovernsTheLettersATeacherMarksInTheseAyat)
{
    const AyaCase cases[] = {
        {"1:1", "بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ",
         {"ٱ=hamzat_wasl", "ٱ=hamzat_wasl", "ل=lam_shamsiyyah", "مَٰ=madd_2", "ٱ=hamzat_wasl", "ل=lam_shamsiyyah",
          "ي=madd_246"}},
        {"1:7", "صِرَٰطَ ٱلَّذِينَ أَنۡعَمۡتَ عَلَيۡهِمۡ غَيۡرِ ٱلۡمَغۡضُوبِ عَلَيۡهِمۡ وَلَا ٱلضَّا\u0653لِّينَ",
         {"رَٰ=madd_2", "ٱ=hamzat_wasl", "ٱ=hamzat_wasl", "ٱ=hamzat_wasl", "ل=lam_shamsiyyah", "ا\u0653=madd_6",
          "ي=madd_246"}},
        {"2:1", "الٓمٓ", {"لٓ=madd_6", "مٓ=madd_6"}},
        {"2:8", "وَمِنَ ٱلنَّاسِ مَن يَقُولُ ءَامَنَّا بِٱللَّهِ وَبِٱلۡيَوۡمِ ٱلۡأٓخِرِ وَمَا هُم بِمُؤۡمِنِينَ",
         {"ٱ=hamzat_wasl", "ل=lam_shamsiyyah", "نَّ=ghunnah", "ن=idghaam_ghunnah", "نَّ=ghunnah", "ٱ=hamzat_wasl",
          "ٱ=hamzat_wasl", "ٱ=hamzat_wasl", "م=ikhfa_shafawi", "ي=madd_246"}},
        {"77:20", "أَلَمۡ نَخۡلُقكُّم مِّن مَّا\u0653ء\u08F2 مَّهِين\u08F2",
         {"ق=idghaam_mutaqaribayn", "م=idghaam_shafawi", "ن=idghaam_ghunnah", "ا\u0653=madd_muttasil",
          "ء\u08F2=idghaam_ghunnah", "ي=madd_246"}},
        {"96:15", "كَلَّا لَئِن لَّمۡ يَنتَهِ لَنَسۡفَعَۢا بِٱلنَّاصِيَةِ",
         {"ن=idghaam_no_ghunnah", "ن=ikhfa", "عَۢ=iqlab", "ٱ=hamzat_wasl", "ل=lam_shamsiyyah", "نَّ=ghunnah"}},
        {"104:4", "كَلَّاۖ لَيُنۢبَذَنَّ فِي ٱلۡحُطَمَةِ", {"نۢ=iqlab", "نَّ=ghunnah", "ٱ=hamzat_wasl"}},
        {"105:4", "تَرۡمِيهِم بِحِجَارَة\u08F2 مِّن سِجِّيل\u08F2",
         {"م=ikhfa_shafawi", "ة\u08F2=idghaam_ghunnah", "ن=ikhfa", "ي=madd_246"}},
        {"106:3", "فَلۡيَعۡبُدُواْ رَبَّ هَٰذَا ٱلۡبَيۡتِ",
         {"اْ=silent", "هَٰ=madd_2", "ٱ=hamzat_wasl", "يۡ=madd_246"}},
        {"106:4", "ٱلَّذِيٓ أَطۡعَمَهُم مِّن جُوع\u08F2 وَءَامَنَهُم مِّنۡ خَوۡفِۭ",
         {"يٓ=madd_munfasil", "طۡ=qalqalah", "م=idghaam_shafawi", "ن=ikhfa", "ع\u08F2=idghaam_ghunnah",
          "م=idghaam_shafawi", "وۡ=madd_246"}},
        {"108:1", "إِنَّا\u0653 أَعۡطَيۡنَٰكَ ٱلۡكَوۡثَرَ", {"نَّ=ghunnah", "ا\u0653=madd_munfasil", "نَٰ=madd_2", "ٱ=hamzat_wasl"}},
        {"109:4", "وَلَا\u0653 أَنَا۠ عَابِد\u08F1 مَّا عَبَدتُّمۡ",
         {"ا\u0653=madd_munfasil", "ا۠=silent", "د\u08F1=idghaam_ghunnah", "د=idghaam_mutajanisayn"}},
        {"110:1", "إِذَا جَا\u0653ءَ نَصۡرُ ٱللَّهِ وَٱلۡفَتۡحُ", {"ا\u0653=madd_muttasil", "ٱ=hamzat_wasl", "ٱ=hamzat_wasl"}},
        {"112:1", "قُلۡ هُوَ ٱللَّهُ أَحَدٌ", {"ٱ=hamzat_wasl", "دٌ=qalqalah"}},
        {"112:2", "ٱللَّهُ ٱلصَّمَدُ", {"ٱ=hamzat_wasl", "ل=lam_shamsiyyah", "دُ=qalqalah"}},
        {"112:3", "لَمۡ يَلِدۡ وَلَمۡ يُولَدۡ", {"دۡ=qalqalah", "دۡ=qalqalah"}},
        {"112:4", "وَلَمۡ يَكُن لَّهُۥ كُفُوًا أَحَدُۢ", {"ن=idghaam_no_ghunnah", "هُۥ=madd_2", "دُۢ=qalqalah"}},
        {"113:2", "مِن شَرِّ مَا خَلَقَ", {"ن=ikhfa", "قَ=qalqalah"}},
    };
    for (const AyaCase& c : cases)
        EXPECT_EQ(governed(c.text), c.expected) << c.where;
}

TEST(TajweedAnnotator, ReadsTheBorrowedOpenTanweenAndPassesOverWhatIsNotArabic)
{
    // The source's older code point for open kasratan means the same as the proper one.
    EXPECT_EQ(indexed("مِّن سِجِّيل\u0656 مَّنضُود\u0656"), indexed("مِّن سِجِّيل\u08F2 مَّنضُود\u08F2"));
    // A precomposed alif with maddah reads as the alif and its maddah.
    EXPECT_EQ(indexed("إِذَا جَآءَ"), indexed("إِذَا جَا\u0653ءَ"));
    EXPECT_TRUE(governed("").empty());
    EXPECT_TRUE(governed("ar6236 <b>1</b>").empty());
    // A cut sequence and stray marks neither crash nor shift the letters after them.
    const std::vector<std::string> afterJunk = governed("\xD9 \xE2\x80 \u0651\u064E قُلۡ هُوَ ٱللَّهُ أَحَدٌ");
    EXPECT_EQ(afterJunk, (std::vector<std::string>{"ٱ=hamzat_wasl", "دٌ=qalqalah"}));
}

TEST(LetterClusters, KeepEveryMarkAndTatweelWithItsLetterAndNumberTheWords)
{
    const std::string text = " أُوْلَـٰٓئِكَ ۞وَقَالَ";
    const std::vector<LetterCluster> clusters = splitLetterClusters(text);
    std::vector<std::string> pieces;
    for (const LetterCluster& c : clusters)
        pieces.push_back(text.substr(c.begin, c.end - c.begin) + (c.wordStart ? "<" : "") + (c.wordEnd ? ">" : ""));
    EXPECT_EQ(pieces, (std::vector<std::string>{"أُ<", "وْ", "لَـٰٓ", "ئِ", "كَ>", "وَ<", "قَ", "ا", "لَ>"}));
    EXPECT_EQ(clusters[2].marks, kFatha | kOtherMark | kDaggerAlif | kMaddah);
    EXPECT_EQ(clusters[5].word, 1u);
}

} // namespace
} // namespace tilvane
