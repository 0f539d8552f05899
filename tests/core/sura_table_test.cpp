#include "core/quran/quran_store.h"
#include "core/quran/short_string.h"
#include "core/quran/sura_table.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tilvane;

TEST(SuraTable, AyaCountsSumTo6236AndTheGlobalRangesChainWithoutGaps)
{
    int sum = 0;
    int expectedFirst = 1;
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        const TSuraInfo& info = SuraTable[sura];
        EXPECT_EQ(info.Number, sura);
        EXPECT_EQ(info.FirstAya, expectedFirst) << "sura " << sura;
        EXPECT_EQ(info.LastAya, info.FirstAya + info.AyaCount - 1) << "sura " << sura;
        expectedFirst = info.LastAya + 1;
        sum += info.AyaCount;
    }
    EXPECT_EQ(sum, kAyaCount);
    EXPECT_EQ(SuraTable[2].FirstAya, 8);
    EXPECT_EQ(SuraTable[2].LastAya, 293);
    EXPECT_EQ(SuraTable[114].FirstAya, 6231);
    EXPECT_EQ(SuraTable[114].LastAya, 6236);
}

TEST(SuraTable, TwentyEightSurasAreMadaniAndTheRestMakki)
{
    const auto madani = std::count_if(SuraTable.begin() + 1, SuraTable.end(),
                                      [](const TSuraInfo& info) { return info.Descent == "madani"; });
    const auto makki = std::count_if(SuraTable.begin() + 1, SuraTable.end(),
                                     [](const TSuraInfo& info) { return info.Descent == "makki"; });
    EXPECT_EQ(madani, 28);
    EXPECT_EQ(makki, 86);
    for (const int sura : {2, 9, 13, 55, 76, 98, 99, 110})
        EXPECT_EQ(SuraTable[sura].Descent, "madani") << "sura " << sura;
    for (const int sura : {1, 10, 56, 97, 100, 114})
        EXPECT_EQ(SuraTable[sura].Descent, "makki") << "sura " << sura;
}

TEST(SuraTable, LatinNamesStandInSuraOrderWithTheTrailingBlankOfSura100)
{
    const std::pair<int, const char*> samples[] = {
        {1, "Al-Fatihah"}, {29, "Al 'Ankabuut"}, {80, "'Abasa"}, {94, "Alam Nasyrah"},
        {99, "Az-Zalzalah"}, {100, "Al-'Aadiyaat "}, {101, "Al-Qaari'ah"}, {114, "An-Naas"},
    };
    for (const auto& [sura, name] : samples)
        EXPECT_EQ(SuraLatinNames[sura], name) << "sura " << sura;
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        EXPECT_FALSE(SuraLatinNames[sura].empty()) << "sura " << sura;
        EXPECT_LE(SuraLatinNames[sura].size(), kShortNameLength) << "sura " << sura;
    }
}

TEST(SuraTable, GlobalIndexOfSuraAndAya)
{
    EXPECT_EQ(globalAyaIndex(1, 1), 1);
    EXPECT_EQ(globalAyaIndex(2, 1), 8);
    EXPECT_EQ(globalAyaIndex(2, 286), 293);
    EXPECT_EQ(globalAyaIndex(114, 6), 6236);
    // Positions that do not exist never address another sura's aya.
    EXPECT_EQ(globalAyaIndex(1, 8), 0);
    EXPECT_EQ(globalAyaIndex(1, 0), 0);
    EXPECT_EQ(globalAyaIndex(0, 1), 0);
    EXPECT_EQ(globalAyaIndex(115, 1), 0);
}

TEST(QuranStore, ArabicDigitsJoinTheDigitLinesOfNumAr)
{
    NumAr = LineList({"<0>", "<1>", "<2>", "<3>", "<4>", "<5>", "<6>", "<7>", "<8>", "<9>"});
    EXPECT_EQ(ToArabicDigits(286), "<2><8><6>");
    EXPECT_EQ(ToArabicDigits(10), "<1><0>");
    NumAr = LineList({"0", "1"}); // a short digit file gives empty glyphs, not a crash
    EXPECT_EQ(ToArabicDigits(129), "1");
    NumAr.clear();
}

TEST(QuranStore, AyaLinesAreAddressedBySuraAndAyaOrGlobalIndexAndEmptyPastTheEnd)
{
    LineList list;
    for (int g = 1; g <= 10; ++g)
        list.add("line " + std::to_string(g));
    EXPECT_EQ(ayaLine(list, 1), "line 1");
    EXPECT_EQ(ayaLine(list, 2, 1), "line 8");
    EXPECT_EQ(ayaLine(list, 2, 3), "line 10");
    EXPECT_EQ(ayaLine(list, 2, 4), "");
    EXPECT_EQ(ayaLine(list, 0), "");
    EXPECT_EQ(ayaLine(list, -3), "");
    EXPECT_EQ(ayaLine(list, 1, 8), "");
}

TEST(ShortString, CutsAtTheLimitButNeverInsideAUtf8Character)
{
    const std::string fifty(50, 'a');
    EXPECT_EQ(shortString(fifty + "bc", 50), fifty);
    EXPECT_EQ(shortString("short", 50), "short");
    // "é" is two bytes: when its second byte would fall past the limit, it goes entirely.
    const std::string fortyNine(49, 'a');
    EXPECT_EQ(shortString(fortyNine + "\xC3\xA9z", 50), fortyNine);
    EXPECT_EQ(shortString(std::string(48, 'a') + "\xC3\xA9z", 50), std::string(48, 'a') + "\xC3\xA9");
    // A three-byte character cut after its first or second byte.
    EXPECT_EQ(shortString("ab\xE2\x82\xAC", 3), "ab");
    EXPECT_EQ(shortString("ab\xE2\x82\xAC", 4), "ab");
    EXPECT_EQ(shortString("ab\xE2\x82\xAC", 5), "ab\xE2\x82\xAC");
}
