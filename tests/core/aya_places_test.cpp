#include "core/quran/aya_places.h"

#include <gtest/gtest.h>

using namespace tilvane;

// The juz, quarter and page of an aya are the last of each that starts at or before it; the
// pages' own juz grouping below "Halaman" does not count as a juz.
TEST(AyaPlaces, AnAyaLiesInTheLastDivisionsStartingAtOrBeforeIt)
{
    const LineList index = LineList::fromText("Juz 1\r\tAl-Fatihah 1:1 - 1:7\r\tHizb 1\r\tHizb 1 \xC2\xBC\r"
                                              "Juz 2\r\tHizb 5\rHalaman\r\tJuz 7\r\t\tHalaman 1\r\t\tHalaman 2\r");
    std::vector<IndexNode> nodes = parseIndexTree(index);
    attachIndexTargets(nodes, LineList::fromText("1:1\r1:1\r1:1\r2:26\r2:142\r2:142\r\r2:142\r1:1\r2:1\r"));
    const AyaPlaces places(nodes);
    const struct {
        TQuranPos pos;
        int juz;
        std::string quarter;
        int page;
    } cases[] = {
        {{1, 7}, 1, "Hizb 1", 1},
        {{2, 25}, 1, "Hizb 1", 2},
        {{2, 26}, 1, "Hizb 1 \xC2\xBC", 2},
        {{2, 142}, 2, "Hizb 5", 2},
        {{114, 6}, 2, "Hizb 5", 2},
        {{2, 287}, 0, "", 0},
    };
    for (const auto& c : cases) {
        const AyaPlaces::Place place = places.placeOf(c.pos);
        EXPECT_EQ(place.juz, c.juz) << c.pos.Sura << ":" << c.pos.Aya;
        EXPECT_EQ(place.quarter, c.quarter) << c.pos.Sura << ":" << c.pos.Aya;
        EXPECT_EQ(place.page, c.page) << c.pos.Sura << ":" << c.pos.Aya;
    }
}
