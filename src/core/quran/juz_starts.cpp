#include "core/quran/juz_starts.h"

#include "core/quran/sura_table.h"

namespace tilvane {

namespace {

struct JuzStart {
    int sura;
    int aya;
};

constexpr JuzStart kJuzStarts[kJuzCount] = {
    {1, 1},   {2, 142}, {2, 253}, {3, 93},  {4, 24},  {4, 148}, {5, 82},  {6, 111}, {7, 88},  {8, 41},
    {9, 93},  {11, 6},  {12, 53}, {15, 1},  {17, 1},  {18, 75}, {21, 1},  {23, 1},  {25, 21}, {27, 56},
    {29, 46}, {33, 31}, {36, 28}, {39, 32}, {41, 47}, {46, 1},  {51, 31}, {58, 1},  {67, 1},  {78, 1},
};

} // namespace

TQuranPos juzStart(int juz)
{
    if (juz < 1 || juz > kJuzCount)
        return {0, 0};
    const JuzStart& start = kJuzStarts[juz - 1];
    return {start.sura, start.aya};
}

int juzFirstAya(int juz)
{
    if (juz < 1 || juz > kJuzCount)
        return 0;
    const TQuranPos start = juzStart(juz);
    return globalAyaIndex(start.Sura, start.Aya);
}

int juzLastAya(int juz)
{
    if (juz < 1 || juz > kJuzCount)
        return 0;
    return juz == kJuzCount ? kAyaCount : juzFirstAya(juz + 1) - 1;
}

} // namespace tilvane
