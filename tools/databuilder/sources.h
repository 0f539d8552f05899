#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace databuilder {

// One sura as the open packages give it; every per-aya vector has one text per aya.
struct SuraSource {
    int number = 0;
    std::string arabicName;           // quran-json
    std::vector<std::string> arabic;  // quran-json, Uthmani text
    std::string indonesianName;       // quran-pack, plain Latin spelling ("Al-Baqarah")
    std::string indonesianLatinName;  // quran-pack, with diacritics ("Al-Fātiḥah")
    std::string indonesianMeaning;    // quran-pack ("Sapi")
    bool madaniyah = false;           // quran-pack: revealed in Madinah
    std::vector<std::string> indonesianTranslation; // quran-pack, with note numbers
    std::vector<std::string> indonesianLatin;       // quran-pack transliteration
    std::vector<std::string> indonesianTafsir;      // quran-pack, the ministry's short tafsir
};

// The texts of one language file of quran-json: per sura its name and its aya texts.
struct LanguageSource {
    std::vector<std::string> suraNames;
    std::vector<std::vector<std::string>> ayat;
};

inline constexpr int kSuraCount = 114;
inline constexpr int kAyaCount = 6236;

// Reads quran-json's Arabic text and quran-pack's Indonesian data, checking that both
// packages agree on the suras and their aya counts.
std::vector<SuraSource> loadSuras(const std::filesystem::path& nodeModules);

// Reads one quran-json language file (dist/quran_<code>.json); `field` names the per-aya
// text ("translation" or "transliteration"), and `suraNameField` the sura's name in it.
LanguageSource loadLanguage(const std::filesystem::path& file, const std::string& field,
                            const std::string& suraNameField,
                            const std::vector<SuraSource>& suras);

std::string readBinaryFile(const std::filesystem::path& file);

} // namespace databuilder
