// The structural index and the preface/closing page bodies of libina.tvz.
#include "data_fixture.h"

#include "build_error.h"
#include "core/quran/sura_table.h"
#include "quran_meta.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>

namespace tilvane::test {
namespace {

struct Position {
    int sura;
    int aya;
    bool operator==(const Position&) const = default;
};

// The start of each juz, kept apart from the builder's own table on purpose.
const Position kJuzStart[30] = {
    {1, 1}, {2, 142}, {2, 253}, {3, 93}, {4, 24}, {4, 148}, {5, 82}, {6, 111}, {7, 88},
    {8, 41}, {9, 93}, {11, 6}, {12, 53}, {15, 1}, {17, 1}, {18, 75}, {21, 1}, {23, 1},
    {25, 21}, {27, 56}, {29, 46}, {33, 31}, {36, 28}, {39, 32}, {41, 47}, {46, 1}, {51, 31},
    {58, 1}, {67, 1}, {78, 1}};

int ayaCount(int sura)
{
    return static_cast<int>(quranPackSura(sura).at("number_of_verse").get<int>());
}

std::string bodyFile(int sura, char kind)
{
    char name[32];
    std::snprintf(name, sizeof name, "libina/az/s%03d%c.htm", sura, kind);
    return builtLibina().files.at(name);
}

std::vector<std::string> indexLines()
{
    return crLfLines(builtLibina().files.at("libina/ina_idx.txt"));
}

// The juz part of the index: each juz with its sura ranges; its hizb quarters are left out.
std::vector<std::string> juzRangeLines()
{
    std::vector<std::string> lines;
    for (const std::string& line : indexLines()) {
        if (line == "Halaman")
            break;
        if (!line.starts_with("\tHizb "))
            lines.push_back(line);
    }
    return lines;
}

// Every range line names one sura's ayat, spelt as the contents list spells it; together, in order, they cover the whole text once,
// and each juz's first range begins where that juz begins.
TEST(JuzIndex, ThirtyJuzWhoseRangesCoverEveryAyaOnceInOrder)
{
    const auto lines = juzRangeLines();
    const std::regex range(R"(\t(.+) (\d+):(\d+) - (\d+):(\d+))");
    int juz = 0;
    Position next {1, 1};
    bool expectJuzStart = false;
    for (const std::string& line : lines) {
        std::smatch match;
        if (!line.starts_with("\t")) {
            ASSERT_EQ(line, "Juz " + std::to_string(juz + 1));
            ++juz;
            expectJuzStart = true;
            continue;
        }
        ASSERT_TRUE(std::regex_match(line, match, range)) << line;
        const int sura = std::stoi(match[2]);
        const Position first {sura, std::stoi(match[3])};
        const Position last {std::stoi(match[4]), std::stoi(match[5])};
        // One spelling of each name across the reader: the contents list's.
        EXPECT_EQ(match[1].str(), tilvane::SuraLatinNames[static_cast<std::size_t>(sura)]);
        ASSERT_EQ(first, next) << line;
        ASSERT_EQ(last.sura, sura) << line;
        ASSERT_GE(last.aya, first.aya) << line;
        ASSERT_LE(last.aya, ayaCount(sura)) << line;
        if (expectJuzStart) {
            ASSERT_EQ(first, kJuzStart[juz - 1]) << "juz " << juz;
        }
        expectJuzStart = false;
        next = last.aya == ayaCount(sura) ? Position {sura + 1, 1} : Position {sura, last.aya + 1};
    }
    EXPECT_EQ(juz, 30);
    EXPECT_EQ(next, (Position {115, 1}));
}

Position positionOf(int globalAya)
{
    int sura = 1;
    while (SuraTable[static_cast<std::size_t>(sura)].LastAya < globalAya)
        ++sura;
    return {sura, globalAya - SuraTable[static_cast<std::size_t>(sura)].FirstAya + 1};
}

std::vector<std::string> targetsOf(const std::vector<int>& globalAyat)
{
    std::vector<std::string> targets;
    for (const int g : globalAyat) {
        const Position at = positionOf(g);
        targets.push_back(std::to_string(at.sura) + ":" + std::to_string(at.aya));
    }
    return targets;
}

// Juz, hizb quarters, pages and sajda lead where quran-meta says they start, in its order; a
// sura range leads to the first aya it names; the two groups lead nowhere.
TEST(StructureIndex, EveryNodeLeadsWhereQuranMetaSaysItStarts)
{
    const auto lines = indexLines();
    const auto targets = crLfLines(builtLibina().files.at("libina/ina_idx_pos.txt"));
    ASSERT_EQ(targets.size(), lines.size());
    std::map<std::string, std::vector<std::string>> byKind;
    std::map<std::string, std::string> targetOfLine;
    const std::regex kind(R"((\t*)(Juz|Hizb|Halaman|Sajdah) .*)");
    const std::regex range(R"(\t.+ (\d+:\d+) - \d+:\d+)");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::smatch match;
        targetOfLine[lines[i]] = targets[i];
        if (std::regex_match(lines[i], match, kind))
            byKind[match[1].str() + match[2].str()].push_back(targets[i]);
        else if (std::regex_match(lines[i], match, range))
            EXPECT_EQ(targets[i], match[1].str()) << lines[i];
        else
            EXPECT_TRUE((lines[i] == "Halaman" || lines[i] == "Sajdah") && targets[i].empty()) << lines[i];
    }
    const auto meta = databuilder::loadQuranMeta(nodeModules());
    EXPECT_EQ(byKind["Juz"], targetsOf(meta.juzStarts));
    EXPECT_EQ(byKind["\tHizb"], targetsOf(meta.quarterStarts));
    EXPECT_EQ(byKind["\t\tHalaman"], targetsOf(meta.pageStarts));
    EXPECT_EQ(byKind["\tSajdah"], targetsOf(meta.sajdaAyat));
    EXPECT_EQ(byKind["\tJuz"].size(), 30u); // the pages grouped by juz
    // A few starts every printed Medina mushaf shows.
    const std::map<std::string, std::string> known = {
        {"Juz 30", "78:1"}, {"\tHizb 1 \xC2\xBC", "2:26"}, {"\t\tHalaman 604", "112:1"},
        {"\tSajdah 1", "7:206"}, {"\tSajdah 15", "96:19"}};
    for (const auto& [line, target] : known)
        EXPECT_EQ(targetOfLine[line], target) << line;
}

// The builder keeps a juz table of its own for the preface pages; the index takes quran-meta's
// juz starts. The two must name the same ayat.
TEST(StructureIndex, QuranMetaJuzStartsAgreeWithTheBuilderTable)
{
    const auto meta = databuilder::loadQuranMeta(nodeModules());
    ASSERT_EQ(meta.juzStarts.size(), databuilder::kJuzStarts.size());
    for (std::size_t juz = 0; juz < meta.juzStarts.size(); ++juz) {
        const databuilder::AyaPosition own = databuilder::kJuzStarts[juz];
        EXPECT_EQ(positionOf(meta.juzStarts[juz]), (Position {own.sura, own.aya})) << "juz " << juz + 1;
    }
}

// A list that no longer has the shape the index relies on stops the build.
TEST(StructureIndex, QuranMetaListsOfAnotherShapeAreRefused)
{
    const std::string lists = readFile(nodeModules() / "quran-meta/src/lists/HafsLists.ts");
    const std::pair<std::string, std::string> faults[] = {
        {"export const JuzList", "export const JuzTable"},      // list missing
        {"0, 1, 149, 260,", "0, 1, 260,"},                        // a juz start missing
        {"0, 1, 149, 260,", "0, 1, 260, 149,"},                   // out of order
        {"1160, 1722,", "1160, x1722,"},                          // not a number
    };
    for (const auto& [from, to] : faults) {
        TempFolder modules;
        std::string broken = lists;
        ASSERT_NE(broken.find(from), std::string::npos) << from;
        broken.replace(broken.find(from), from.size(), to);
        writeFile(modules.path() / "quran-meta/src/lists/HafsLists.ts", broken);
        EXPECT_THROW(databuilder::loadQuranMeta(modules.path()), databuilder::BuildError) << to;
    }
}

TEST(SuraBodies, OnePrefaceAndOneClosingPerSura)
{
    const std::regex bodyName(R"(libina/az/s\d{3}[az]\.htm)");
    int bodies = 0;
    for (const auto& [path, bytes] : builtLibina().files)
        if (path.starts_with("libina/az/")) {
            EXPECT_TRUE(std::regex_match(path, bodyName)) << path;
            ++bodies;
        }
    EXPECT_EQ(bodies, 228);
}

// The metadata a reader looks for, taken from quran-pack itself.
TEST(SuraBodies, PrefaceNamesMeaningAyaCountPlaceAndJuz)
{
    for (int sura = 1; sura <= 114; ++sura) {
        const auto& source = quranPackSura(sura);
        const std::string body = bodyFile(sura, 'a');
        const std::string arabicName = quranJson("quran.json")[sura - 1].at("name");
        const std::string quotedMeaning =
            std::string("\xE2\x80\x9C") + source.at("name_trans_id").get<std::string>();
        const std::string ayat = std::string(" ") + std::to_string(ayaCount(sura)) + " ayat";
        const std::string place = std::string("surat ") + source.at("category").get<std::string>();
        for (const std::string& expected : {source.at("name_latin").get<std::string>(),
                                            arabicName, quotedMeaning, ayat, place})
            EXPECT_NE(body.find(expected), std::string::npos) << sura << ": " << expected;
        EXPECT_NE(body.find("juz "), std::string::npos) << sura;
    }
    EXPECT_NE(bodyFile(2, 'a').find("juz 1 sampai juz 3"), std::string::npos);
    EXPECT_NE(bodyFile(1, 'a').find("terletak pada juz 1."), std::string::npos);
    EXPECT_NE(bodyFile(114, 'a').find("terletak pada juz 30."), std::string::npos);
}

TEST(SuraBodies, ClosingNamesTheFollowingSuraAndTheLastLeadsBackToTheFirst)
{
    for (int sura = 1; sura <= 114; ++sura) {
        const int following = sura % 114 + 1;
        const std::string body = bodyFile(sura, 'z');
        EXPECT_NE(body.find("surat ke-" + std::to_string(following) + ", <b>"
                            + quranPackSura(following).at("name_latin").get<std::string>()),
                  std::string::npos) << sura;
    }
    EXPECT_NE(bodyFile(114, 'z').find("surat terakhir"), std::string::npos);
}

// The page around a body opens a paragraph for its first line; the body's markup must leave
// only whole tags behind.
TEST(SuraBodies, BodiesAreBalancedParagraphs)
{
    for (int sura = 1; sura <= 114; ++sura) {
        for (const char kind : {'a', 'z'}) {
            const auto lines = crLfLines(bodyFile(sura, kind));
            ASSERT_GE(lines.size(), 2u);
            EXPECT_TRUE(lines.front().ends_with("</p>"));
            EXPECT_FALSE(lines.front().starts_with("<p>"));
            for (std::size_t i = 1; i < lines.size(); ++i)
                EXPECT_TRUE(lines[i].starts_with("<p>") && lines[i].ends_with("</p>"));
        }
    }
}

} // namespace
} // namespace tilvane::test
