#include "juz_table.h"

namespace databuilder {

const std::array<AyaPosition, kJuzCount> kJuzStarts = {{
    {1, 1},    {2, 142},  {2, 253},  {3, 93},   {4, 24},   {4, 148},  {5, 82},   {6, 111},
    {7, 88},   {8, 41},   {9, 93},   {11, 6},   {12, 53},  {15, 1},   {17, 1},   {18, 75},
    {21, 1},   {23, 1},   {25, 21},  {27, 56},  {29, 46},  {33, 31},  {36, 28},  {39, 32},
    {41, 47},  {46, 1},   {51, 31},  {58, 1},   {67, 1},   {78, 1},
}};

int juzOf(int sura, int aya)
{
    int juz = 1;
    for (int i = 1; i < kJuzCount; ++i) {
        const AyaPosition& start = kJuzStarts[i];
        if (sura > start.sura || (sura == start.sura && aya >= start.aya))
            juz = i + 1;
    }
    return juz;
}

} // namespace databuilder
