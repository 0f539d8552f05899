#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/render/stylesheets.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;

namespace {

std::vector<std::string> splitOn(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

class Stylesheets : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedSettings = AppSet;
        savedFiles = {CommonCssFile, ScreenCssFile, Screen2CssFile};
        CommonCssFile = (css / "common.css").string();
        ScreenCssFile = (css / "screen.css").string();
        Screen2CssFile = (css / "screen_2.css").string();
    }
    void TearDown() override
    {
        AppSet = savedSettings;
        CommonCssFile = savedFiles[0];
        ScreenCssFile = savedFiles[1];
        Screen2CssFile = savedFiles[2];
    }

    TempFolder css;
    TAppSet savedSettings;
    std::vector<std::string> savedFiles;
};

} // namespace

TEST(RgbText, ComponentsAreReadRedFromTheLowByte)
{
    EXPECT_EQ(RgbText(rgbColor(218, 96, 29)), "rgb(218, 96, 29)");
    EXPECT_EQ(RgbText(rgbColor(255, 255, 255)), "rgb(255, 255, 255)");
    EXPECT_EQ(RgbText(0), "rgb(0, 0, 0)");
}

TEST_F(Stylesheets, CommonCssIsOneEntryOf112LinesWithTheUsersFontsAndColours)
{
    AppSet.ArabicFontSize = 22;
    AppSet.ArabicFontColor = rgbColor(255, 255, 255);
    AppSet.TransFontSize = 12;
    AppSet.TransFontName = "Tahoma";
    AppSet.TransFontColor = rgbColor(0, 0, 128);
    WriteCommonCss();

    const std::string file = readFile(CommonCssFile);
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    EXPECT_EQ(file.find('\n'), file.size() - 1);
    const auto lines = splitOn(file.substr(0, file.size() - 2), "\r");
    ASSERT_EQ(lines.size(), 112u);
    EXPECT_EQ(lines[9].substr(0, 23), "  font: 22pt me_quran, ");
    EXPECT_EQ(lines[10], "  color: rgb(255, 255, 255);/*rgb(89, 151, 228)*/;");
    EXPECT_EQ(lines[14].substr(0, 28), "  font: 12pt Tahoma , Trebuc");
    EXPECT_EQ(lines[15], "  color: rgb(0, 0, 128);/*Navy;*/");
    EXPECT_EQ(lines[53], "  width: 100%;");
    EXPECT_EQ(file.find("%s"), std::string::npos);
}

TEST_F(Stylesheets, RewritingAfterASettingsChangeChangesTheFile)
{
    WriteCommonCss();
    const std::string before = readFile(CommonCssFile);
    AppSet.TransFontName = "DejaVu Sans";
    WriteCommonCss();
    const std::string after = readFile(CommonCssFile);
    EXPECT_NE(before, after);
    EXPECT_NE(after.find("8pt DejaVu Sans , Trebuchet MS"), std::string::npos);
    EXPECT_LT(after.size(), before.size() + 20); // overwritten, not appended
}

TEST_F(Stylesheets, TheTwoScreenFilesDifferInExactlyTheLineHeight)
{
    WriteAllStylesheets();
    const auto normal = splitOn(readFile(ScreenCssFile), "\r\n");
    const auto wide = splitOn(readFile(Screen2CssFile), "\r\n");
    ASSERT_EQ(normal.size(), 4u); // three entries, each followed by CR LF
    ASSERT_EQ(wide.size(), 4u);
    EXPECT_EQ(normal[0], "\r{");
    EXPECT_EQ(normal[1], "  line-height: 1em;");
    EXPECT_EQ(wide[1], "  line-height: 2.5em;");
    EXPECT_EQ(normal[0], wide[0]);
    EXPECT_EQ(normal[2], wide[2]);
    EXPECT_EQ(normal[2].substr(0, 3), "}\r\r");
}

TEST_F(Stylesheets, ScreenSuffixStylesTheListedSelectorsWithTheNamedDeclarations)
{
    WriteScreenCss(ScreenCssFile, ScreenCssKind::Normal);
    const std::string css = readFile(ScreenCssFile);
    const char* inOrder[] = {"\rhtml,body {", "\rbody {", "\rdiv.body {", "\rdiv.main {", "\rspan.selectedAya {",
                             "\rdiv.aya {", "\rdiv.selectedAya {", "\r.latin {",
                             "\r.latin strong, .terjemah_playing strong {"};
    std::size_t last = 0;
    for (const char* selector : inOrder) {
        const std::size_t at = css.find(selector);
        ASSERT_NE(at, std::string::npos) << selector;
        EXPECT_GT(at, last) << selector;
        last = at;
    }
    for (const char* declaration :
         {"font: 13pt Tahoma, Sans-serif, Arial, Verdana, Helvetica, Arial Unicode MS;", "color: rgb(30, 40, 70);",
          "background-color: white;", "padding-top: 40px;", "border: 4px solid #aaccaa", "line-height: 150%;",
          "margin: 3px 0 3px 0;", "color: rgb(218, 96, 39);", "font-family:Tahoma;", "font-size:8pt"})
        EXPECT_NE(css.find(declaration), std::string::npos) << declaration;
}

TEST(CssFontFamily, WritesTheFamilyAPageCanNameAndNothingThatBreaksTheDeclaration)
{
    const struct {
        const char* stored;
        const char* written;
    } cases[] = {
        {"Tahoma", "Tahoma"},
        {"DejaVu Sans", "DejaVu Sans"},
        {"Nimbus Sans [urw]", "Nimbus Sans"},
        {"Noto Sans Arabic UI [GOOG]", "Noto Sans Arabic UI"},
        {"Source Han Sans 2", "\"Source Han Sans 2\""},
        {"Evil; } body { color: red", "\"Evil; } body { color: red\""},
        {"A \"quoted\\ name", "\"A \\\"quoted\\\\ name\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cssFontFamily(c.stored), c.written) << c.stored;
}
