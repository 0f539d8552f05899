// The translation packages under res/trans/, one per other language of quran-json plus its
// English transliteration.
#include "data_fixture.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace tilvane::test {
namespace {

using Descriptor = std::map<std::string, std::string>;

const char* const kKeys[] = {"TransName", "FullName", "Language", "IsArabicLatin",
                             "SuraNameFile", "AyaNameFile", "Translator", "Author", "Copyright"};

Descriptor readDescriptor(const std::filesystem::path& folder)
{
    const auto lines = crLfLines(readFile(folder / "_transinit.ini"));
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "[translation]");
    Descriptor values;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        EXPECT_NE(equals, std::string::npos) << lines[i];
        values[lines[i].substr(0, equals)] = lines[i].substr(equals + 1);
    }
    return values;
}

std::vector<std::filesystem::path> packageFolders()
{
    std::vector<std::filesystem::path> folders;
    for (const auto& entry : std::filesystem::directory_iterator(builtResDir() / "trans"))
        folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

// The language codes quran-json carries translations for, from its quran_<code>.json files.
std::set<std::string> sourceLanguageCodes()
{
    std::set<std::string> codes;
    for (const auto& entry :
         std::filesystem::directory_iterator(nodeModules() / "quran-json/dist")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("quran_") && name.ends_with(".json") && name != "quran_transliteration.json")
            codes.insert(name.substr(6, name.size() - 11));
    }
    return codes;
}

TEST(TranslationPackages, DescriptorsAreCompleteShortDistinctAndInPlainAsciiFolders)
{
    std::set<std::string> names;
    int arabicLatin = 0;
    for (const auto& folder : packageFolders()) {
        const std::string folderName = folder.filename().string();
        for (const char c : folderName)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-')
                << folderName;
        const Descriptor values = readDescriptor(folder);
        for (const char* key : kKeys) {
            ASSERT_EQ(values.count(key), 1u) << folderName << " lacks " << key;
            EXPECT_FALSE(values.at(key).empty()) << folderName << " " << key;
        }
        for (const char* key : {"TransName", "FullName", "Language", "Translator", "Author",
                                "Copyright"})
            EXPECT_LE(values.at(key).size(), 50u) << folderName << " " << key;
        EXPECT_TRUE(names.insert(values.at("TransName")).second) << values.at("TransName");
        EXPECT_TRUE(names.insert(values.at("FullName")).second) << values.at("FullName");
        EXPECT_TRUE(values.at("IsArabicLatin") == "0" || values.at("IsArabicLatin") == "1");
        arabicLatin += values.at("IsArabicLatin") == "1";
        EXPECT_EQ(crLfLines(readFile(folder / values.at("SuraNameFile"))).size(), 114u);
    }
    EXPECT_EQ(arabicLatin, 1);
}

// Every language but Indonesian (the built-in translation is Indonesian), plus the
// transliteration, each aligned aya by aya with its source.
TEST(TranslationPackages, EachSourceLanguageIsAPackageWhoseLineGIsAyaG)
{
    std::set<std::string> expected = sourceLanguageCodes();
    ASSERT_EQ(expected.erase("id"), 1u);
    std::map<std::string, std::string> ayaFileByLanguage; // the first line identifies the source
    for (const auto& folder : packageFolders()) {
        const Descriptor values = readDescriptor(folder);
        if (!values.at("Copyright").starts_with("quran-json"))
            continue;
        ayaFileByLanguage[values.at("Language") + "/" + values.at("IsArabicLatin")] =
            (folder / values.at("AyaNameFile")).string();
    }
    ASSERT_EQ(ayaFileByLanguage.size(), expected.size() + 1);

    for (const std::string& code : expected) {
        const auto source = quranJsonAyat("quran_" + code + ".json", "translation");
        bool found = false;
        for (const auto& entry : ayaFileByLanguage) {
            const std::string& file = entry.second;
            const auto lines = crLfLines(readFile(file));
            if (lines.size() != 6236u || lines[0] != asDataLine(source[0][0]))
                continue;
            found = true;
            std::size_t g = 0;
            for (std::size_t s = 0; s < source.size(); ++s)
                for (std::size_t a = 0; a < source[s].size(); ++a, ++g)
                    ASSERT_EQ(lines[g], asDataLine(source[s][a])) << code << " " << s + 1 << ":" << a + 1;
        }
        EXPECT_TRUE(found) << "no package holds the " << code << " translation";
    }
    const auto transliteration = quranJsonAyat("quran_transliteration.json", "transliteration");
    const auto lines = crLfLines(readFile(ayaFileByLanguage.at("English/1")));
    ASSERT_EQ(lines.size(), 6236u);
    EXPECT_EQ(lines[6235], asDataLine(transliteration[113][5]));
}

// The Indonesian ministry's short tafsir from quran-pack, shown under each aya like a
// translation.
TEST(TranslationPackages, TafsirPackageHoldsTheMinistrysTafsirOfEveryAya)
{
    const std::filesystem::path folder = builtResDir() / "trans/Indonesian_TafsirKemenag";
    const Descriptor values = readDescriptor(folder);
    EXPECT_EQ(values.at("FullName"), "Indonesian - Tafsir Ringkas Kemenag");
    EXPECT_EQ(values.at("Language"), "Indonesian");
    EXPECT_EQ(values.at("IsArabicLatin"), "0");
    const auto names = crLfLines(readFile(folder / values.at("SuraNameFile")));
    const auto lines = crLfLines(readFile(folder / values.at("AyaNameFile")));
    ASSERT_EQ(names.size(), 114u);
    ASSERT_EQ(lines.size(), 6236u);
    std::size_t g = 0;
    for (int sura = 1; sura <= 114; ++sura) {
        const auto& source = quranPackSura(sura);
        EXPECT_EQ(names[sura - 1], source.at("name_id").get<std::string>());
        const auto& tafsir = source.at("tafsirs").at("id").at("kemenag");
        for (std::size_t aya = 1; aya <= tafsir.size(); ++aya, ++g) {
            ASSERT_EQ(lines[g], asDataLine(tafsir.at(std::to_string(aya)).get<std::string>()))
                << sura << ":" << aya;
            ASSERT_FALSE(lines[g].empty()) << sura << ":" << aya;
        }
    }
    EXPECT_EQ(g, lines.size());
}

} // namespace
} // namespace tilvane::test
