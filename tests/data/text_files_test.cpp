// The per-aya and per-sura text files of the two archives, checked against the packages.
#include "data_fixture.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <regex>
#include <set>

namespace tilvane::test {
namespace {

constexpr int kAyaCount = 6236;
const std::string kBismillahSeparator = " ";

std::vector<int> sourceAyaCounts()
{
    std::vector<int> counts;
    for (const auto& sura : quranJson("quran.json"))
        counts.push_back(static_cast<int>(sura.at("verses").size()));
    return counts;
}

std::vector<std::string> libLines(const std::string& path)
{
    return crLfLines(builtLib().files.at(path));
}

std::vector<std::string> libinaLines(const std::string& path)
{
    return crLfLines(builtLibina().files.at(path));
}

TEST(DataSources, SuraAyaCountsAreTheStandardOnes)
{
    const std::vector<int> counts = sourceAyaCounts();
    ASSERT_EQ(counts.size(), 114u);
    const std::vector<std::pair<int, int>> samples = {
        {1, 7}, {2, 286}, {3, 200}, {9, 129}, {26, 227}, {103, 3}, {108, 3}, {114, 6}};
    for (const auto& [sura, count] : samples)
        EXPECT_EQ(counts[sura - 1], count) << "sura " << sura;
    int total = 0;
    for (const int count : counts)
        total += count;
    EXPECT_EQ(total, kAyaCount);
}

// The source borrows U+0657, U+065E and U+0656 for the open tanween; the data writes them as
// U+08F0, U+08F1 and U+08F2.
const std::pair<std::string, std::string> kOpenTanween[] = {
    {"\xD9\x97", "\xE0\xA3\xB0"}, {"\xD9\x9E", "\xE0\xA3\xB1"}, {"\xD9\x96", "\xE0\xA3\xB2"}};

std::string withOpenTanween(std::string text)
{
    for (const auto& [borrowed, proper] : kOpenTanween)
        for (std::size_t at = text.find(borrowed); at != std::string::npos; at = text.find(borrowed, at))
            text.replace(at, borrowed.size(), proper);
    return text;
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Exact but for the bismillah in front and the open tanween.
TEST(ArabicText, EqualsTheSourceWithTheBismillahBeforeEachFirstAya)
{
    const auto lines = libLines("lib/quran_uthman/quran_uthmani.txt");
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kAyaCount));
    const auto source = quranJsonAyat("quran.json", "text");
    const std::string bismillah = source[0][0];
    std::size_t g = 0;
    for (std::size_t s = 0; s < source.size(); ++s) {
        for (std::size_t a = 0; a < source[s].size(); ++a, ++g) {
            const int sura = static_cast<int>(s) + 1;
            const bool prefixed = a == 0 && sura != 1 && sura != 9
                && !source[s][a].starts_with(bismillah);
            EXPECT_FALSE(lines[g].starts_with(bismillah + kBismillahSeparator + bismillah));
            const std::string expected = withOpenTanween(
                prefixed ? bismillah + kBismillahSeparator + source[s][a] : source[s][a]);
            ASSERT_EQ(lines[g], expected) << "aya " << sura << ":" << a + 1;
        }
    }
}

TEST(ArabicText, OpenTanweenHaveTheirOwnCodePoints)
{
    const std::string& text = builtLib().files.at("lib/quran_uthman/quran_uthmani.txt");
    const std::size_t expected[] = {2901, 1807, 1935};
    for (std::size_t i = 0; i < std::size(kOpenTanween); ++i) {
        EXPECT_EQ(occurrences(text, kOpenTanween[i].first), 0u) << i;
        EXPECT_EQ(occurrences(text, kOpenTanween[i].second), expected[i]) << i;
    }
}

// Decodes well-formed UTF-8, as the builder writes it.
std::set<char32_t> codePointsOf(const std::string& text)
{
    std::set<char32_t> found;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        found.insert(code);
        i += length;
    }
    return found;
}

// The page names the shipped font alone for the Arabic text; a code point it lacks would be
// drawn from another font or as a missing glyph.
TEST(ArabicText, EveryCharacterIsInTheShippedFont)
{
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Face(library, TILVANE_QURAN_FONT, 0, &face), 0);
    const std::set<char32_t> used =
        codePointsOf(builtLib().files.at("lib/quran_uthman/quran_uthmani.txt"));
    EXPECT_GT(used.size(), 60u);
    for (const char32_t code : used) {
        if (code != U'\r' && code != U'\n')
            EXPECT_NE(FT_Get_Char_Index(face, code), 0u) << std::hex << "U+" << static_cast<unsigned>(code);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

TEST(ArabicText, SmallListsHoldDigitsNamesAndTheWordSura)
{
    const auto digits = libLines("lib/num_ar.txt");
    ASSERT_EQ(digits.size(), 10u);
    EXPECT_EQ(digits[0], "\xD9\xA0");  // U+0660
    EXPECT_EQ(digits[9], "\xD9\xA9");  // U+0669

    const auto names = libLines("lib/suraname_ar.txt");
    ASSERT_EQ(names.size(), 114u);
    for (std::size_t s = 0; s < names.size(); ++s)
        EXPECT_EQ(names[s], quranJson("quran.json")[s].at("name").get<std::string>());

    EXPECT_EQ(libLines("lib/suraarb.txt"),
              std::vector<std::string>{"\xD8\xB3\xD9\x88\xD8\xB1\xD8\xA9"});
}

TEST(ArabicText, FontIsTheDebianScheherazadeFile)
{
    EXPECT_EQ(builtLib().files.at("lib/me_quran_volt_mark2.ttf"), readFile(TILVANE_QURAN_FONT));
}

// The per-aya Indonesian files line up with the source sura by sura: line g is aya g.
TEST(IndonesianText, TransliterationAndTranslationHaveOneLinePerAya)
{
    const auto latin = libinaLines("libina/ina_latn.txt");
    const auto translation = libinaLines("libina/ina_tran.txt");
    ASSERT_EQ(latin.size(), static_cast<std::size_t>(kAyaCount));
    ASSERT_EQ(translation.size(), static_cast<std::size_t>(kAyaCount));
    std::size_t g = 0;
    for (int sura = 1; sura <= 114; ++sura) {
        const auto& source = quranPackSura(sura);
        const auto& latins = source.at("latins");
        ASSERT_EQ(static_cast<int>(latins.size()), sourceAyaCounts()[sura - 1]) << sura;
        for (std::size_t aya = 1; aya <= latins.size(); ++aya, ++g)
            ASSERT_EQ(latin[g], asDataLine(latins.at(std::to_string(aya)).get<std::string>()))
                << sura << ":" << aya;
    }
}

TEST(IndonesianText, LineBreaksInsideAnAyaBecomeBlanks)
{
    const auto translation = libinaLines("libina/ina_tran.txt");
    const std::vector<std::pair<int, int>> broken = {{49, 7}, {51, 15}, {56, 51}};
    const std::vector<int> counts = sourceAyaCounts();
    for (const auto& [sura, aya] : broken) {
        const std::string source =
            quranPackSura(sura).at("translations").at("id").at(std::to_string(aya));
        ASSERT_NE(source.find('\n'), std::string::npos) << sura << ":" << aya;
        int g = aya - 1;
        for (int s = 1; s < sura; ++s)
            g += counts[s - 1];
        EXPECT_EQ(translation[g].find('\n'), std::string::npos);
        EXPECT_EQ(translation[g].substr(0, 20), asDataLine(source).substr(0, 20));
    }
}

TEST(IndonesianText, SuraMeaningsAndEmptyFootnotes)
{
    const auto meanings = libinaLines("libina/ina_sura.txt");
    ASSERT_EQ(meanings.size(), 114u);
    for (int sura = 1; sura <= 114; ++sura)
        EXPECT_EQ(meanings[sura - 1], quranPackSura(sura).at("name_trans_id").get<std::string>());
    EXPECT_EQ(builtLibina().files.at("libina/ina_foot.txt"), "");
}

TEST(DataFiles, EveryTextFileIsUtf8WithoutBomAndEndsLinesWithCrLf)
{
    const std::regex textFile(R"(.*\.(txt|htm|js|css|ini)$)");
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto* archive : {&builtLib(), &builtLibina()})
        for (const auto& [path, bytes] : archive->files)
            if (std::regex_match(path, textFile))
                texts.emplace_back(path, bytes);
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(builtResDir() / "trans"))
        if (entry.is_regular_file())
            texts.emplace_back(entry.path().string(), readFile(entry.path()));
    ASSERT_GT(texts.size(), 250u);
    for (const auto& [path, bytes] : texts) {
        EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << path;
        EXPECT_TRUE(endsEveryLineWithCrLf(bytes)) << path;
    }
}

} // namespace
} // namespace tilvane::test
