#include "core/base/errors.h"
#include "core/quran/translation_files.h"
#include "core/render/footnotes.h"
#include "core/render/fragment_format.h"
#include "core/render/fragments.h"
#include "core/render/sura_page.h"
#include "render_fixture.h"

#include <algorithm>

using namespace tilvane;
using namespace tilvane::test;

namespace {

class SuraPage : public RenderFixture {
protected:
    std::vector<std::string> build(int sura, int viewStyle)
    {
        AppSet.ViewStyle = static_cast<std::uint8_t>(viewStyle);
        host.calls.clear();
        return pageEntries(BuildSuraPage(sura, host));
    }

    static std::size_t indexOf(const std::vector<std::string>& entries, const std::string& entry)
    {
        return static_cast<std::size_t>(std::find(entries.begin(), entries.end(), entry) - entries.begin());
    }

    static bool containsText(const std::vector<std::string>& entries, const std::string& text)
    {
        return std::any_of(entries.begin(), entries.end(),
                           [&](const std::string& entry) { return entry.find(text) != std::string::npos; });
    }

    static std::string mark(int n)
    {
        const std::string id = "fnt" + std::to_string(n);
        return formatFragment(FootnoteMark, {id, id, std::to_string(n)});
    }

    static std::string tip(int n, const std::string& text)
    {
        return formatFragment(FootnoteTip, {"fnt" + std::to_string(n), text});
    }
};

} // namespace

TEST_F(SuraPage, IsWrittenPaddedIntoSuraDirAndHandedToTheHostBetweenTheMarks)
{
    AppSet.ViewStyle = 0;
    const std::string path = BuildSuraPage(2, host);
    EXPECT_EQ(path, AppDirs.SuraDir + "S002_ar_in.html");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"clearDocLoaded", "navigate " + path, "clearBismillahDone"}));
    EXPECT_EQ(suraPageFileName(114), "S114_ar_in.html");
}

TEST_F(SuraPage, HeadNamesTheEscapedWorkingRootAndTheViewStylesStylesheet)
{
    const std::string root = "file://" + work.path().string() + "/Temp%20Dir/Tilvane/";
    const struct {
        int viewStyle;
        const char* css;
    } cases[] = {{0, "screen.css"}, {1, "screen_2.css"}, {2, "screen.css"}, {3, "screen.css"}, {7, "screen.css"}};
    for (const auto& c : cases) {
        const auto entries = build(1, c.viewStyle);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries[0], formatFragment(HeadFragment, {root, c.css})) << c.viewStyle;
        EXPECT_EQ(entries.back(), PageClose);
    }
}

TEST_F(SuraPage, Sura1HasNoBismillahBlockAndKeepsItsFirstAya)
{
    const auto entries = build(1, 0);
    EXPECT_EQ(entries[1], QuranBodyOpen);
    EXPECT_EQ(entries[2], formatFragment(SuraHeader, {"name1 SURA", ""}));
    EXPECT_EQ(entries[3], formatFragment(AyaBlockOpen, {"1_1"}));
    EXPECT_EQ(entries[4], formatFragment(ArabicBlock, {kBismillah, "<1>"}));
}

TEST_F(SuraPage, OtherSurasShowTheBismillahOnceInTheirHeading)
{
    const auto entries = build(2, 0);
    EXPECT_EQ(entries[2], formatFragment(SuraHeader, {"name2 SURA", formatFragment(BismillahBlock, {kBismillah})}));
    EXPECT_EQ(entries[3], formatFragment(AyaBlockOpen, {"2_1"}));
    EXPECT_EQ(entries[4], formatFragment(ArabicBlock, {" alif-lam-mim", "<1>"}));
    EXPECT_LT(indexOf(entries, formatFragment(ArabicBlock, {"ar9", "<2>"})), entries.size());

    const auto sura9 = build(9, 2);
    EXPECT_EQ(sura9[2], formatFragment(SuraHeader, {"name9 SURA", ""}));
    EXPECT_EQ(sura9[4], formatFragment(ArabicBlock, {tag("ar", SuraTable[9].FirstAya), "<1>"}));
}

TEST_F(SuraPage, TranslationViewHeadsEverySuraWithTheTranslatedBismillah)
{
    for (const auto& [sura, name] : {std::pair{1, "Al-Fatihah"}, {9, "At-Taubah"}, {2, "Al-Baqarah"}}) {
        const auto entries = build(sura, 3);
        EXPECT_EQ(entries[1], TransBodyOpen);
        EXPECT_EQ(entries[2], formatFragment(SuraHeader, {name, "<p> In the name"})) << sura;
    }
}

TEST_F(SuraPage, AyaIdsAreUnpaddedAndNumberedWithinTheSura)
{
    const auto entries = build(114, 1);
    const std::size_t last = SuraTable[114].LastAya;
    EXPECT_EQ(entries[3], formatFragment(InlineAya, {"114_1", tag("ar", 6231), "<1>"}));
    EXPECT_EQ(entries[8], formatFragment(InlineAya, {"114_6", tag("ar", static_cast<int>(last)), "<6>"}));
    EXPECT_EQ(entries.size(), 10u); // head, body, heading, six ayat, close

    const auto longSura = build(2, 2);
    EXPECT_LT(indexOf(longSura, formatFragment(ArabicBlock, {"ar293", "<2><8><6>"})), longSura.size());
    EXPECT_LT(indexOf(longSura, formatFragment(AyaBlockOpen, {"2_286"})), longSura.size());
}

TEST_F(SuraPage, EveryKindOfTranslationSlotRendersItsBlockInSlotOrder)
{
    AppSet.TransFontSize = 9;
    AppSet.ArabicLatinFontColor = rgbColor(0, 128, 0);
    const auto entries = build(1, 0);
    const std::size_t arabic = indexOf(entries, formatFragment(ArabicBlock, {"ar3", "<3>"}));
    ASSERT_LT(arabic + 9, entries.size());
    const std::vector<std::string> expected = {
        "      <p>\r",
        formatFragment(LatinBlock, {"arabic_latin_1_3", "9pt;color:rgb(0, 128, 0)", "lat3"}),
        "      <p>\r",
        formatFragment(TranslationBlock, {"in", "tr3"}),
        "      <p>\r",
        formatFragment(TranslationBlock, {"in", "pkg3"}),
        "      <p>\r",
        formatFragment(LatinBlock, {"arabic_latin_1_3", "9pt;color:rgb(0, 128, 0)", "pkglat3"}),
        AyaBlockClose,
    };
    EXPECT_EQ(std::vector<std::string>(entries.begin() + static_cast<long>(arabic) + 1,
                                       entries.begin() + static_cast<long>(arabic) + 10),
              expected);
}

TEST_F(SuraPage, SlotsThatAreInactiveOrNameNoInstalledTranslationRenderNothing)
{
    selectSlots({"Removed_Package", "English"});
    TransSlots.push_back({2, "Indonesian_Latin", false});
    const auto entries = build(1, 0);
    const std::size_t open = indexOf(entries, formatFragment(AyaBlockOpen, {"1_2"}));
    ASSERT_LT(open + 5, entries.size());
    EXPECT_EQ(entries[open + 2], "      <p>\r");
    EXPECT_EQ(entries[open + 3], formatFragment(TranslationBlock, {"in", "pkg2"}));
    EXPECT_EQ(entries[open + 4], AyaBlockClose);
    EXPECT_FALSE(containsText(entries, "lat2"));
}

TEST_F(SuraPage, AMissingPackageFileIsReportedAndTheSlotShowsEmptyText)
{
    std::filesystem::remove(packages / "english" / "aya.txt");
    selectSlots({"English"});
    const auto entries = build(1, 0);
    EXPECT_LT(indexOf(entries, formatFragment(TranslationBlock, {"in", ""})), entries.size());
    const auto problems = takeTranslationProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("aya.txt"), std::string::npos);
}

TEST_F(SuraPage, FootnoteMarksBecomePopUpsWithTheirTipsAfterTheLastAya)
{
    selectSlots({"Indonesian_Footnote"});
    for (int viewStyle : {0, 3}) {
        const auto entries = build(2, viewStyle);
        const std::string expanded = "Alif" + mark(2) + " lam" + mark(2) + " mim" + mark(1);
        const std::string block = viewStyle == 0 ? formatFragment(TranslationBlock, {"in", expanded})
                                                 : formatFragment(TransOnlyBlock, {"in", expanded});
        EXPECT_LT(indexOf(entries, block), entries.size()) << viewStyle;

        const std::size_t footnotes = indexOf(entries, "<!-- FootNote -->");
        ASSERT_EQ(footnotes + 6, entries.size()) << viewStyle; // four tips, then the close
        EXPECT_EQ(entries[footnotes + 1], tip(2, "note two"));
        EXPECT_EQ(entries[footnotes + 2], tip(2, "note two"));
        EXPECT_EQ(entries[footnotes + 3], tip(1, "note one"));
        EXPECT_EQ(entries[footnotes + 4], tip(1610, ""));
    }
}

TEST_F(SuraPage, AnUnreadableFootnoteNumberIsLoggedInTheWorkingRoot)
{
    selectSlots({"Indonesian_Footnote"});
    const auto entries = build(2, 0);
    EXPECT_LT(indexOf(entries, formatFragment(TranslationBlock, {"in", "This book" + mark(1610) + " without doubt"})),
              entries.size());
    EXPECT_EQ(readFile(AppDirs.TempDir + "err002009_01.log"),
              "'two' is not a valid integer value\r\n"
              "> This book<sup><b>[two]</b></sup> without doubt\r\n"
              "> <sup><b>[two]</b></sup>\r\n");
}

TEST_F(SuraPage, ArabicOnlyViewsAndUnknownViewStylesWriteNoFootnotes)
{
    for (int viewStyle : {1, 2, 7}) {
        const auto entries = build(2, viewStyle);
        EXPECT_FALSE(containsText(entries, "<!-- FootNote -->")) << viewStyle;
        EXPECT_FALSE(containsText(entries, "class=\"tip\"")) << viewStyle;
        EXPECT_FALSE(std::filesystem::exists(AppDirs.TempDir + "err002009_01.log"));
    }
    const auto unknown = build(2, 7);
    EXPECT_EQ(unknown.size(), 4u); // head, body, heading, close
    EXPECT_FALSE(containsText(unknown, "2_1"));
}

TEST_F(SuraPage, AFailedSaveRaisesTheErrorAndNavigatesNowhere)
{
    std::filesystem::remove_all(AppDirs.SuraDir);
    AppSet.ViewStyle = 0;
    EXPECT_THROW(BuildSuraPage(2, host), TilvaneError);
    EXPECT_EQ(host.calls, std::vector<std::string>{"clearDocLoaded"});
}

TEST_F(SuraPage, SurasOutsideTheQuranAreRefusedBeforeAnythingHappens)
{
    for (int sura : {0, 115, -1})
        EXPECT_THROW(BuildSuraPage(sura, host), TilvaneError) << sura;
    EXPECT_TRUE(host.calls.empty());
}
