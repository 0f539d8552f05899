#include "core/quran/sura_table.h"

#include <algorithm>

namespace tilvane {

namespace {

constexpr std::array<int, kSuraCount> kAyaCounts = {
    7,   286, 200, 176, 120, 165, 206, 75,  129, 109, 123, 111, 43,  52,  99,  128, 111, 110, 98,  135,
    112, 78,  118, 64,  77,  227, 93,  88,  69,  60,  34,  30,  73,  54,  45,  83,  182, 88,  75,  85,
    54,  53,  89,  59,  37,  35,  38,  29,  18,  45,  60,  49,  62,  55,  78,  96,  29,  22,  24,  13,
    14,  11,  11,  18,  12,  12,  30,  52,  52,  44,  28,  28,  20,  56,  40,  31,  50,  40,  46,  42,
    29,  19,  36,  25,  22,  17,  19,  26,  30,  20,  15,  21,  11,  8,   8,   19,  5,   8,   8,   11,
    11,  8,   3,   9,   5,   4,   7,   3,   6,   3,   5,   4,   5,   6,
};

constexpr std::array<int, 28> kMadaniSuras = {
    2, 3, 4, 5, 8, 9, 13, 22, 24, 33, 47, 48, 49, 55, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 76, 98, 99, 110,
};

std::array<TSuraInfo, kSuraCount + 1> makeSuraTable()
{
    std::array<TSuraInfo, kSuraCount + 1> table{};
    int nextAya = 1;
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        TSuraInfo& info = table[sura];
        info.Number = sura;
        info.AyaCount = kAyaCounts[sura - 1];
        info.FirstAya = nextAya;
        info.LastAya = nextAya + info.AyaCount - 1;
        const bool madani = std::find(kMadaniSuras.begin(), kMadaniSuras.end(), sura) != kMadaniSuras.end();
        info.Descent = madani ? "madani" : "makki";
        nextAya = info.LastAya + 1;
    }
    return table;
}

} // namespace

const std::array<TSuraInfo, kSuraCount + 1> SuraTable = makeSuraTable();

const std::array<std::string, kSuraCount + 1> SuraLatinNames = {
    "",
    "Al-Fatihah", "Al-Baqarah", "Ali-Imran", "An-Nisaa'", "Al-Maaidah", "Al-An'aam", "Al-A'raaf",
    "Al-Anfaal", "At-Taubah", "Yunus", "Huud", "Yusuf", "Ar-Ra'd", "Ibrahim", "Al-Hijr", "An-Nahl",
    "Al-Israa'", "Al-Kahfi", "Maryam", "Thaahaa", "Al-Anbiyaa'", "Al-Hajj", "Al-Mukminuun", "An-Nuur",
    "Al-Furqaan", "Ash-Syu'araa'", "An-Naml", "Al-Qashash", "Al 'Ankabuut", "Ar-Ruum", "Luqman",
    "As-Sajdah", "Al-Ahzaab", "Saba'", "Faathir", "Yaasiin", "As-Shaaffaat", "Shaad", "Az-Zumar",
    "Al-Ghaafir", "Fushshilat", "Asy-Syuura", "Az-Zukhruf", "Ad-Dukhaan", "Al-Jaatsiyah", "Al-Ahqaaf",
    "Muhammad", "Al-Fath", "Al-Hujuraat", "Qaaf", "Adz-Dzaariyat", "Ath-Thur", "An-Najm", "Al-Qamar",
    "Ar-Rahmaan", "Al-Waaqi'ah", "Al-Hadiid", "Al-Mujaadilah", "Al-Hasyr", "Al-Mumtahanah", "Ash-Shaff",
    "Al-Jumu'ah", "Al-Munaafiquun", "At-Taghaabuun", "Ath-Thalaaq", "At-Tahrim", "Al-Mulk", "Al-Qalam",
    "Al-Haaqqah", "Al-Ma'aarij", "Nuuh", "Al-Jin", "Al-Muzzammil", "Al-Muddatstsir", "Al-Qiyaamah",
    "Al-Insaan", "Al-Mursalaat", "An-Naba'", "An-Naazi'aat", "'Abasa", "At-Takwir", "Al-Infithaar",
    "Al-Mutaffifin", "Al-Insyiqaaq", "Al-Buruuj", "Ath-Thaariq", "Al-A'laa", "Al-Ghaashiyah", "Al-Fajr",
    "Al-Balad", "Asy-Syams", "Al-Lail", "Ad-Dhuhaa", "Alam Nasyrah", "At-Tiin", "Al-'Alaq", "Al-Qadr",
    "Al-Bayyinah", "Az-Zalzalah", "Al-'Aadiyaat ", "Al-Qaari'ah", "At-Takaatsur", "Al-'Ashr",
    "Al-Humazah", "Al-Fiil", "Quraisy", "Al-Maa'uun", "Al-Kautsar", "Al-Kaafiruun", "An-Nashr",
    "Al-Lahab", "Al-Ikhlaash", "Al-Falaq", "An-Naas",
};

int globalAyaIndex(int sura, int aya)
{
    if (sura < 1 || sura > kSuraCount || aya < 1 || aya > SuraTable[sura].AyaCount)
        return 0;
    return SuraTable[sura].FirstAya + aya - 1;
}

} // namespace tilvane
