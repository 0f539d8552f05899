// The tajweed colours on the sura page: with the setting off the page is the page it always
// was; with it on, spans only wrap the letters, and the stylesheet and legend are added.
#include "core/render/sura_page.h"
#include "core/render/stylesheets.h"
#include "core/render/tajweed_styles.h"
#include "core/tajweed/tajweed_markup.h"
#include "render_fixture.h"

using namespace tilvane;
using namespace tilvane::test;

namespace {

const std::vector<std::string> kSura112 = {
    kBismillah + " قُلۡ هُوَ ٱللَّهُ أَحَدٌ", "ٱللَّهُ ٱلصَّمَدُ", "لَمۡ يَلِدۡ وَلَمۡ يُولَدۡ",
    "وَلَمۡ يَكُن لَّهُۥ كُفُوًا أَحَدُۢ"};

class TajweedPage : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        std::vector<std::string> arabic = QuranUthmani.lines();
        for (std::size_t k = 0; k < kSura112.size(); ++k)
            arabic[static_cast<std::size_t>(SuraTable[112].FirstAya) - 1 + k] = kSura112[k];
        QuranUthmani = LineList(arabic);
    }

    std::string page(int viewStyle, bool tajweed)
    {
        AppSet.ViewStyle = static_cast<std::uint8_t>(viewStyle);
        AppSet.Tajweed = tajweed;
        return readFile(BuildSuraPage(112, host));
    }

    // The page without the stylesheet link, the legend and every tajweed span's tags.
    static std::string withoutTajweed(std::string text)
    {
        const auto cut = [&text](std::size_t at, std::size_t length) { text.erase(at, length); };
        if (const std::size_t link = text.find("  <link rel=\"stylesheet\" media=\"all\" type=\"text/css\" href=\"lib/css/tajweed.css\" />\r");
            link != std::string::npos)
            cut(link, text.find('\r', link) + 1 - link);
        if (const std::size_t legend = text.find("<div class=\"tajweedLegend\""); legend != std::string::npos)
            cut(legend, text.find("</script>\r\r\n", legend) + 12 - legend); // legend and title script
        for (std::size_t open; (open = text.find("<span class=\"tajweed-")) != std::string::npos;) {
            cut(open, text.find('>', open) + 1 - open);
            cut(text.find("</span>", open), 7);
        }
        return text;
    }
};

} // namespace

TEST_F(TajweedPage, OffLeavesThePageAsItWasAndOnOnlyWrapsItsLetters)
{
    for (int viewStyle : {0, 1, 2, 3}) {
        const std::string plain = page(viewStyle, false);
        for (const char* trace : {"tajweed-", "tajweed.css", "tajweedLegend"})
            EXPECT_EQ(plain.find(trace), std::string::npos) << viewStyle << trace;
        const std::string coloured = page(viewStyle, true);
        EXPECT_EQ(withoutTajweed(coloured), plain) << viewStyle;
        if (viewStyle == kViewTranslationsOnly) {
            EXPECT_EQ(coloured, plain); // no Arabic text to colour
            continue;
        }
        EXPECT_NE(coloured.find("href=\"lib/css/tajweed.css\" />\r</head>"), std::string::npos) << viewStyle;
        EXPECT_NE(coloured.find("<div class=\"tajweedLegend\" dir=\"ltr\">"), std::string::npos) << viewStyle;
        // 112:1 after the heading's bismillah; the stop at the aya's end makes its dal echo.
        EXPECT_NE(coloured.find("<span class=\"tajweed-qalqalah\">دٌ</span>"), std::string::npos);
        // 112:4: the noon merges into the next word's lam; two letters under one rule share a span.
        EXPECT_NE(coloured.find("يَكُ<span class=\"tajweed-idghaam_no_ghunnah\""), std::string::npos);
    }
}

TEST_F(TajweedPage, HoverTitlesAndLegendSpeakTheInterfaceLanguageSafely)
{
    auto& titles = tajweedHoverTitles();
    const auto saved = titles;
    titles[static_cast<std::size_t>(TajweedRule::Qalqalah)] = "Qalqalah \"pantulan\" <b>&</b>";
    const std::string coloured = page(kViewArabicOnly, true);
    titles = saved;
    EXPECT_NE(coloured.find("\"tajweed-qalqalah\": \"Qalqalah \\\"pantulan\\\" \\x3Cb>&\\x3C/b>\""), std::string::npos);
    EXPECT_NE(coloured.find("&#9679;&nbsp;Qalqalah &quot;pantulan&quot;"), std::string::npos);
}

TEST_F(TajweedPage, StylesheetColoursEveryRuleAndIsWrittenWithTheOthers)
{
    const std::vector<std::string> saved = {CommonCssFile, ScreenCssFile, Screen2CssFile};
    CommonCssFile = (work / "common.css").string();
    ScreenCssFile = (work / "screen.css").string();
    Screen2CssFile = (work / "screen_2.css").string();
    WriteAllStylesheets();
    const std::string written = tajweedCssFile();
    CommonCssFile = saved[0];
    ScreenCssFile = saved[1];
    Screen2CssFile = saved[2];
    EXPECT_EQ(written, (work / "tajweed.css").string());
    const std::string css = readFile(written);
    for (TajweedRule rule : allTajweedRules())
        EXPECT_NE(css.find(".tajweed-" + std::string(tajweedRuleName(rule))), std::string::npos) << tajweedRuleName(rule);
    EXPECT_NE(css.find("div.tajweedLegend"), std::string::npos);
}
