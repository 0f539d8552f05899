#include "core/quran/translation_selection.h"
#include "core/quran/translations.h"
#include "translation_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TranslationFixture;
using ::testing::HasSubstr;

namespace {

using Selection = TranslationFixture;

struct Line {
    std::string text;
    bool checked;
    bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& line)
{
    return out << (line.checked ? "[x] " : "[ ] ") << line.text;
}

std::vector<Line> shown(const std::vector<TransListLine>& lines)
{
    std::vector<Line> result;
    for (const TransListLine& line : lines)
        result.push_back(Line{line.text, line.checked});
    return result;
}

const std::string kLatin = "Indonesian - Arabic Latin (Built-in)";
const std::string kFootnote = "Indonesian - Full with Footnote (Built-in)";

} // namespace

TEST_F(Selection, WithoutStoredSlotsEveryEntryIsListedUncheckedBuiltInsFirst)
{
    addPackage("english", "English", "English - Sahih");
    LoadTranslationCatalogue();
    const std::vector<TransListLine> lines = listTranslationSelection();
    EXPECT_EQ(shown(lines), (std::vector<Line>{{kLatin, false}, {kFootnote, false}, {"English - Sahih", false}}));
    for (std::size_t i = 0; i < Translations.size(); ++i)
        EXPECT_EQ(Translations[i].ListIndex, static_cast<int>(i));
}

TEST_F(Selection, StoredSlotsComeFirstInTheirOrderThenNewPackagesUnchecked)
{
    addPackage("english", "English", "English - Sahih");
    writeSettings("[translations]\r\nCount=2\r\ntrl_00=Indonesian_Footnote\r\ntrl_00Acive=1\r\n"
                  "trl_01=Indonesian_Latin\r\ntrl_01Acive=0\r\n");
    LoadTranslationCatalogue();
    const std::vector<TransListLine> lines = listTranslationSelection();
    EXPECT_EQ(shown(lines), (std::vector<Line>{{kFootnote, true}, {kLatin, false}, {"English - Sahih", false}}));
    EXPECT_EQ(Translations[kBuiltInFootnote].ListIndex, 0);
    EXPECT_EQ(Translations[kBuiltInLatin].ListIndex, 1);
    EXPECT_EQ(Translations[2].ListIndex, 2);
    // Opening the dialog again without an Apply lists the same lines.
    EXPECT_EQ(shown(listTranslationSelection()), shown(lines));
}

TEST_F(Selection, ApplyStoresCheckedLinesFirstThenUncheckedInListOrder)
{
    addPackage("english", "English", "English - Sahih");
    LoadTranslationCatalogue();
    std::vector<TransListLine> lines = listTranslationSelection(); // Latin, Footnote, English
    lines[0].checked = false;
    lines[1].checked = true;
    lines[2].checked = true;
    std::swap(lines[1], lines[2]); // the user moved English up
    applyTranslationSelection(lines);

    EXPECT_THAT(readFile(IniFileName),
                HasSubstr("[translations]\r\nCount=3\r\ntrl_00=English\r\ntrl_00Acive=1\r\n"
                          "trl_01=Indonesian_Footnote\r\ntrl_01Acive=1\r\ntrl_02=Indonesian_Latin\r\ntrl_02Acive=0\r\n"));
    ASSERT_EQ(TransSlots.size(), 3u);
    EXPECT_EQ(TransSlots[2].Index, 2);
    EXPECT_EQ(ActiveTransCount, 2);
    EXPECT_EQ(shown(listTranslationSelection()),
              (std::vector<Line>{{"English - Sahih", true}, {kFootnote, true}, {kLatin, false}}));
}

TEST_F(Selection, TwoPackagesSharingAFullNameKeepTheirOwnIdentities)
{
    addPackage("a_first", "FirstPkg", "Same Name");
    addPackage("b_second", "SecondPkg", "Same Name");
    LoadTranslationCatalogue();
    std::vector<TransListLine> lines = listTranslationSelection();
    ASSERT_EQ(lines.size(), 4u);
    lines[3].checked = true; // the second of the two
    applyTranslationSelection(lines);
    ASSERT_EQ(TransSlots.size(), 4u);
    EXPECT_EQ(TransSlots[0].TransName, "SecondPkg");
    EXPECT_EQ(TransSlots[3].TransName, "FirstPkg");
    const auto active = activeTranslationIndexes();
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0].catalogueIndex, 3);
}

TEST_F(Selection, ASlotNamingARemovedPackageIsLeftOutAndDroppedOnApply)
{
    writeSettings("[translations]\r\nCount=2\r\ntrl_00=Removed\r\ntrl_00Acive=1\r\n"
                  "trl_01=Indonesian_Latin\r\ntrl_01Acive=1\r\n");
    LoadTranslationCatalogue();
    const std::vector<TransListLine> lines = listTranslationSelection();
    EXPECT_EQ(shown(lines), (std::vector<Line>{{kLatin, true}, {kFootnote, false}}));
    applyTranslationSelection(lines);
    EXPECT_THAT(readFile(IniFileName), HasSubstr("Count=2\r\ntrl_00=Indonesian_Latin\r\ntrl_00Acive=1\r\n"
                                                 "trl_01=Indonesian_Footnote\r\ntrl_01Acive=0\r\n"));
}

TEST_F(Selection, AnEntryStoredTwiceIsCheckedWhenAnyOfItsSlotsIsActiveAndApplyKeepsIt)
{
    writeSettings("[translations]\r\nCount=3\r\ntrl_00=Indonesian_Latin\r\ntrl_00Acive=0\r\n"
                  "trl_01=Indonesian_Footnote\r\ntrl_01Acive=1\r\ntrl_02=Indonesian_Latin\r\ntrl_02Acive=1\r\n");
    LoadTranslationCatalogue();
    const std::vector<TransListLine> lines = listTranslationSelection();
    EXPECT_EQ(shown(lines), (std::vector<Line>{{kLatin, true}, {kFootnote, true}}));
    applyTranslationSelection(lines);
    EXPECT_EQ(ActiveTransCount, 2);
    EXPECT_EQ(TransSlots[0].TransName, "Indonesian_Latin");
}
