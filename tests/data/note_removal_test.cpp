// The open translation's note numbers ("Tuhan1)") have no note texts, so the builder removes
// them. This proves the removal exact: aligning every source aya with its line shows that
// only digits+")" marks were dropped, and that the dropped numbers run 1, 2, 3 ... without
// a gap through the whole translation.
#include "data_fixture.h"

#include <gtest/gtest.h>

#include <regex>

namespace tilvane::test {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks source and line together; wherever they differ the source must hold a note mark
// (digits then ")") that the line lacks. Returns the dropped numbers, or fails the test.
std::vector<int> droppedNoteNumbers(const std::string& source, const std::string& line,
                                    const std::string& where)
{
    std::vector<int> dropped;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < source.size()) {
        if (j < line.size() && source[i] == line[j]) {
            ++i;
            ++j;
            continue;
        }
        std::size_t end = i;
        while (end < source.size() && isDigit(source[end]))
            ++end;
        if (end == i || end == source.size() || source[end] != ')') {
            ADD_FAILURE() << where << ": the line differs from the source at source byte " << i
                          << " by more than a note mark";
            return dropped;
        }
        dropped.push_back(std::stoi(source.substr(i, end - i)));
        i = end + 1;
    }
    EXPECT_EQ(j, line.size()) << where << ": the line has text the source lacks";
    return dropped;
}

TEST(NoteRemoval, DropsExactlyTheNoteMarksNumberedOneUpWithoutGaps)
{
    const auto lines = crLfLines(builtLibina().files.at("libina/ina_tran.txt"));
    ASSERT_EQ(lines.size(), 6236u);
    std::vector<int> dropped;
    std::size_t g = 0;
    for (int sura = 1; sura <= 114; ++sura) {
        const auto& texts = quranPackSura(sura).at("translations").at("id");
        for (std::size_t aya = 1; aya <= texts.size(); ++aya, ++g) {
            const std::string where = std::to_string(sura) + ":" + std::to_string(aya);
            const auto numbers = droppedNoteNumbers(
                asDataLine(texts.at(std::to_string(aya)).get<std::string>()), lines.at(g), where);
            dropped.insert(dropped.end(), numbers.begin(), numbers.end());
        }
    }
    ASSERT_FALSE(dropped.empty());
    for (std::size_t k = 0; k < dropped.size(); ++k)
        ASSERT_EQ(dropped[k], static_cast<int>(k) + 1) << "note mark number " << k + 1;
}

TEST(NoteRemoval, NoNoteMarkIsLeft)
{
    const std::regex noteMark(R"([0-9]+\))");
    const auto lines = crLfLines(builtLibina().files.at("libina/ina_tran.txt"));
    for (std::size_t g = 0; g < lines.size(); ++g)
        EXPECT_FALSE(std::regex_search(lines[g], noteMark)) << "line " << g + 1 << ": " << lines[g];
}

} // namespace
} // namespace tilvane::test
