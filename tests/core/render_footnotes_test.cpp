#include "core/render/footnotes.h"
#include "core/render/fragment_format.h"
#include "core/render/fragments.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;

namespace {

std::string mark(const std::string& number)
{
    return formatFragment(FootnoteMark, {"fnt" + number, "fnt" + number, number});
}

std::string tip(const std::string& number, const std::string& text)
{
    return formatFragment(FootnoteTip, {"fnt" + number, text});
}

class FootnoteExpansion : public ::testing::Test {
protected:
    LineList notes{{"first note", "second note", "third note"}};
    LineList tips;
    TempFolder logs;
    FootnoteExpander expander{notes, tips, logs.dir()};
};

} // namespace

TEST_F(FootnoteExpansion, MarksBecomePopUpsWithTipsInOrderAndRepeatsAreKept)
{
    const std::string line = "Praise<sup><b>[2]</b></sup> be to God<sup><b>[1]</b></sup>, God<sup><b>[2]</b></sup>.";
    EXPECT_EQ(expander.expand(line, 1, 2), "Praise" + mark("2") + " be to God" + mark("1") + ", God" + mark("2") + ".");
    EXPECT_EQ(tips.lines(), (std::vector<std::string>{tip("2", "second note"), tip("1", "first note"),
                                                       tip("2", "second note")}));
}

TEST_F(FootnoteExpansion, ALineWithoutMarksPassesUnchanged)
{
    const std::string line = "No marks here, not even [1] or <sup>1</sup>; 100% plain.";
    EXPECT_EQ(expander.expand(line, 2, 9), line);
    EXPECT_TRUE(tips.empty());
}

TEST_F(FootnoteExpansion, UnreadableNumberIsLoggedAndShownAsFootnote1610)
{
    const std::string line = "One<sup><b>[2]</b></sup> two<sup><b>[x7]</b></sup> end";
    EXPECT_EQ(expander.expand(line, 2, 10), "One" + mark("2") + " two" + mark("1610") + " end");
    ASSERT_EQ(tips.size(), 2u);
    EXPECT_EQ(tips.lineOrEmpty(1), tip("1610", "")); // only three footnotes exist

    EXPECT_EQ(footnoteLogFileName(2, 10, 2), "err002010_02.log");
    EXPECT_EQ(readFile(logs / "err002010_02.log"),
              "'x7' is not a valid integer value\r\n"
              ">  two<sup><b>[x7]</b></sup> end\r\n"
              "> <sup><b>[x7]</b></sup>\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(logs.path()), {}), 1);
}

TEST_F(FootnoteExpansion, ASignIsPartOfAValidNumberAsInTheSettings)
{
    const std::string line = "a<sup><b>[+3]</b></sup> b<sup><b>[+-3]</b></sup>";
    EXPECT_EQ(expander.expand(line, 1, 1), "a" + mark("3") + " b" + mark("1610"));
    EXPECT_EQ(tips.lineOrEmpty(0), tip("3", "third note"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(logs.path()), {}), 1); // only "+-3"
}

TEST_F(FootnoteExpansion, NumbersOutsideTheFootnoteListGiveEmptyTips)
{
    expander.expand("a<sup><b>[4]</b></sup>b<sup><b>[0]</b></sup>c<sup><b>[]</b></sup>", 3, 300);
    EXPECT_EQ(tips.lines(), (std::vector<std::string>{tip("4", ""), tip("0", ""), tip("1610", "")}));
    EXPECT_EQ(footnoteLogFileName(3, 300, 3), "err003300_03.log");
    EXPECT_TRUE(std::filesystem::exists(logs / "err003300_03.log"));
    EXPECT_EQ(footnoteLogFileName(114, 6236, 12), "err1146236_12.log");
}

TEST_F(FootnoteExpansion, AnUnterminatedMarkEndsTheExpansionAndStaysAsText)
{
    const struct {
        const char* line;
        std::string expected;
        std::size_t tipCount;
    } cases[] = {
        {"a<sup><b>[1]</b></sup> b<sup><b>[2 and so on", std::string("a") + mark("1") + " b<sup><b>[2 and so on", 1},
        {"stray ]</b></sup> then <sup><b>[1]</b></sup>", "stray ]</b></sup> then <sup><b>[1]</b></sup>", 0},
        {"<sup><b>[", "<sup><b>[", 0},
    };
    for (const auto& c : cases) {
        tips.clear();
        EXPECT_EQ(expander.expand(c.line, 1, 1), c.expected) << c.line;
        EXPECT_EQ(tips.size(), c.tipCount) << c.line;
    }
    EXPECT_TRUE(std::filesystem::is_empty(logs.path()));
}
