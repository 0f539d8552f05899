#include "sources.h"

#include "build_error.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace databuilder {

namespace {

using nlohmann::json;

json readJson(const std::filesystem::path& file)
{
    try {
        return json::parse(readBinaryFile(file));
    } catch (const json::exception& e) {
        throw BuildError(file.string() + ": " + e.what());
    }
}

// quran-json lists suras as an array, each with a "verses" array of {"id", <field>}.
const json& suraArrayEntry(const json& root, int sura, const std::filesystem::path& file)
{
    if (!root.is_array() || root.size() != kSuraCount)
        throw BuildError(file.string() + ": expected an array of " + std::to_string(kSuraCount)
                         + " suras");
    const json& entry = root.at(sura - 1);
    if (entry.at("id").get<int>() != sura)
        throw BuildError(file.string() + ": sura " + std::to_string(sura) + " out of order");
    return entry;
}

std::vector<std::string> versesOf(const json& sura, const std::string& field,
                                  const std::filesystem::path& file)
{
    std::vector<std::string> texts;
    for (const json& verse : sura.at("verses")) {
        if (verse.at("id").get<int>() != static_cast<int>(texts.size()) + 1)
            throw BuildError(file.string() + ": sura " + std::to_string(sura.at("id").get<int>())
                             + " has its ayat out of order");
        texts.push_back(verse.at(field).get<std::string>());
    }
    return texts;
}

// quran-pack keys its per-aya objects by the aya number as text ("1", "2", ...).
std::vector<std::string> numberedTexts(const json& object, std::size_t count,
                                       const std::string& what)
{
    if (object.size() != count)
        throw BuildError(what + ": " + std::to_string(object.size()) + " ayat, expected "
                         + std::to_string(count));
    std::vector<std::string> texts;
    for (std::size_t aya = 1; aya <= count; ++aya)
        texts.push_back(object.at(std::to_string(aya)).get<std::string>());
    return texts;
}

void readIndonesian(SuraSource& sura, const std::filesystem::path& file)
{
    const json root = readJson(file);
    const std::size_t count = sura.arabic.size();
    try {
        if (root.at("number").get<int>() != sura.number
            || root.at("number_of_verse").get<std::size_t>() != count)
            throw BuildError(file.string() + ": sura number or aya count differs from quran-json");
        sura.indonesianName = root.at("name_id").get<std::string>();
        sura.indonesianLatinName = root.at("name_latin").get<std::string>();
        sura.indonesianMeaning = root.at("name_trans_id").get<std::string>();
        const std::string category = root.at("category").get<std::string>();
        if (category != "Makkiyah" && category != "Madaniyah")
            throw BuildError(file.string() + ": unknown category \"" + category + "\"");
        sura.madaniyah = category == "Madaniyah";
        sura.indonesianTranslation =
            numberedTexts(root.at("translations").at("id"), count, file.string() + " translation");
        sura.indonesianLatin = numberedTexts(root.at("latins"), count, file.string() + " latins");
        sura.indonesianTafsir = numberedTexts(root.at("tafsirs").at("id").at("kemenag"), count,
                                              file.string() + " tafsir");
    } catch (const json::exception& e) {
        throw BuildError(file.string() + ": " + e.what());
    }
}

} // namespace

std::string readBinaryFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw BuildError("Cannot read " + file.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<SuraSource> loadSuras(const std::filesystem::path& nodeModules)
{
    const std::filesystem::path quranFile = nodeModules / "quran-json/dist/quran.json";
    const json quran = readJson(quranFile);
    std::vector<SuraSource> suras;
    std::size_t total = 0;
    try {
        for (int number = 1; number <= kSuraCount; ++number) {
            const json& entry = suraArrayEntry(quran, number, quranFile);
            SuraSource sura;
            sura.number = number;
            sura.arabicName = entry.at("name").get<std::string>();
            sura.arabic = versesOf(entry, "text", quranFile);
            if (sura.arabic.size() != entry.at("total_verses").get<std::size_t>())
                throw BuildError(quranFile.string() + ": sura " + std::to_string(number)
                                 + " lists a wrong aya count");
            total += sura.arabic.size();
            suras.push_back(std::move(sura));
        }
    } catch (const json::exception& e) {
        throw BuildError(quranFile.string() + ": " + e.what());
    }
    if (total != kAyaCount)
        throw BuildError(quranFile.string() + ": " + std::to_string(total) + " ayat, expected "
                         + std::to_string(kAyaCount));
    for (SuraSource& sura : suras)
        readIndonesian(sura, nodeModules / "quran-pack/dist/surah/source"
                                 / (std::to_string(sura.number) + ".json"));
    return suras;
}

LanguageSource loadLanguage(const std::filesystem::path& file, const std::string& field,
                            const std::string& suraNameField,
                            const std::vector<SuraSource>& suras)
{
    const json root = readJson(file);
    LanguageSource language;
    try {
        for (const SuraSource& sura : suras) {
            const json& entry = suraArrayEntry(root, sura.number, file);
            language.suraNames.push_back(entry.at(suraNameField).get<std::string>());
            language.ayat.push_back(versesOf(entry, field, file));
            if (language.ayat.back().size() != sura.arabic.size())
                throw BuildError(file.string() + ": sura " + std::to_string(sura.number)
                                 + " has another aya count than the Arabic text");
        }
    } catch (const json::exception& e) {
        throw BuildError(file.string() + ": " + e.what());
    }
    return language;
}

} // namespace databuilder
