#include "core/app/product.h"
#include "core/render/fragment_format.h"
#include "core/render/fragments.h"
#include "core/render/text_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tilvane;

namespace {

std::vector<std::string> crLines(const std::string& fragment)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = fragment.find('\r'); at != std::string::npos; at = fragment.find('\r', start)) {
        lines.push_back(fragment.substr(start, at - start));
        start = at + 1;
    }
    lines.push_back(fragment.substr(start));
    return lines;
}

} // namespace

TEST(PageFragments, HeadsOpenWithTheHtmlTagAndCarryTheW3cDoctypeAfterIt)
{
    const std::string doctype = "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
                                "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">";
    for (const std::string* head : {&HeadFragment, &PrefaceHead}) {
        const auto lines = crLines(*head);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[0], "<html>");
        EXPECT_EQ(lines[1], doctype);
        EXPECT_EQ(lines[2], "<head>");
    }
    EXPECT_EQ(crLines(HeadFragment).size(), 21u); // 20 lines, each followed by CR
    EXPECT_EQ(crLines(PrefaceHead).size(), 20u);
}

TEST(PageFragments, NoFragmentHoldsALineFeed)
{
    for (const std::string* fragment :
         {&HeadFragment, &QuranBodyOpen, &TransBodyOpen, &SuraHeader, &BismillahBlock, &AyaBlockOpen, &ArabicBlock,
          &LatinBlock, &TranslationBlock, &AyaBlockClose, &InlineAya, &PageClose, &TransAyaBlockOpen, &TransOnlyBlock,
          &TransAyaBlockClose, &PrefaceHead, &PrefaceTitle, &ClosingTitle, &PrefaceBodyOpen, &PrefaceBodyClose,
          &PrefacePageClose, &FootnoteMark, &FootnoteTip})
        EXPECT_EQ(fragment->find('\n'), std::string::npos) << *fragment;
}

TEST(PageFragments, BismillahBlockKeepsItsBlanks)
{
    EXPECT_EQ(BismillahBlock, "<div class=\" bismillah\">%s </div>\r<p>\r");
}

TEST(PageFragments, PageClosersDifferInTheirFirstLineOnlyAndEndWithoutCr)
{
    const auto sura = crLines(PageClose);
    const auto preface = crLines(PrefacePageClose);
    ASSERT_EQ(sura.size(), 10u);
    ASSERT_EQ(preface.size(), 10u);
    EXPECT_EQ(sura[0], "  <p>");
    EXPECT_EQ(preface[0], "<p>");
    for (std::size_t i = 1; i < sura.size(); ++i)
        EXPECT_EQ(sura[i], preface[i]) << i;
    EXPECT_EQ(sura[5], "This document is printed with <b>Tilvane</b> 1.0.0 (" + std::string(kProductWebAddress) + ").");
    EXPECT_EQ(sura[9], "</html>");
}

TEST(PageFragments, AyaRulesAreVisibleBetweenAyatAndInvisibleInTranslationView)
{
    const std::string visible = "<hr style=\"border-style: solid; border-width: 0.5\" color=\"#C0C0C0\" size=\"1\">";
    const std::string invisible = "<hr style=\"border-style: solid; border-width: 0\" color=\"#FFFFFF\" size=\"0\">";
    EXPECT_NE(AyaBlockClose.find(visible), std::string::npos);
    EXPECT_NE(TransAyaBlockOpen.find(invisible), std::string::npos);
    EXPECT_NE(TransAyaBlockClose.find(invisible), std::string::npos);
}

TEST(PageFragments, FootnoteMarkIsABoldElementWhoseClickGoesNowhere)
{
    EXPECT_EQ(formatFragment(FootnoteMark, {"fnt3", "fnt3", "3"}),
              "<sup><b href=\"#\" onmouseout=\"popUp(event,'fnt3')\" onmouseover=\"popUp(event,'fnt3')\" "
              "onclick=\"return false\">[3]</b></sup>");
}

TEST(FormatFragment, FillsPlaceholdersInOrderAndTakesArgumentsAsPlainText)
{
    const struct {
        const char* fragment;
        std::vector<std::string> args;
        const char* expected;
    } cases[] = {
        {"<a %s|%s>", {"x", "y"}, "<a x|y>"},
        {"100%s", {"%"}, "100%"},
        {"%s-%s", {"%s", "b"}, "%s-b"},         // an argument is never filled again
        {"50% of %s", {"all"}, "50% of all"},  // a lone % stays
        {"%s and %s", {"one"}, "one and "},    // a missing argument leaves nothing
        {"%d %s", {"text"}, "%d text"},
    };
    for (const auto& c : cases) {
        std::string result;
        if (c.args.size() == 1)
            result = formatFragment(c.fragment, {c.args[0]});
        else
            result = formatFragment(c.fragment, {c.args[0], c.args[1]});
        EXPECT_EQ(result, c.expected) << c.fragment;
    }
}

TEST(TextSearch, AsciiCaseIsIgnoredAndArabicBytesMatchExactly)
{
    const std::string bismillah = "\xD8\xA8\xD8\xB3\xD9\x85 Allah";
    EXPECT_TRUE(containsIgnoringAsciiCase("x " + bismillah, "\xD8\xA8\xD8\xB3\xD9\x85 ALLAH"));
    EXPECT_FALSE(containsIgnoringAsciiCase("\xD8\xA8\xD8\xB3", "\xD8\xA8\xD8\xB4"));
    EXPECT_FALSE(containsIgnoringAsciiCase("anything", ""));
    EXPECT_EQ(removeAllIgnoringAsciiCase("ab AB aB", "ab"), "  ");
    EXPECT_EQ(removeAllIgnoringAsciiCase("aabb", "ab"), "ab"); // what the removal joins stays
    EXPECT_EQ(removeAll("Ab ab", "ab"), "Ab ");
    EXPECT_EQ(removeAll("text", ""), "text");
}
