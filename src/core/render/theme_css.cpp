#include "core/render/theme_css.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tilvane {

namespace {

struct Palette {
    Rgb page;
    Rgb text;
    Rgb frame;      // the page's border and rules
    Rgb selected;   // the selected aya's background
    Rgb selectedOutline;
    Rgb hit;        // a search hit's background
    Rgb hitOutline;
    Rgb tip;        // footnote pop-up
    Rgb tipText;
};

// Night's backgrounds stay dark enough that the default Arabic green keeps 4.5:1 on each of
// them, so a reader's default colours survive the switch.
constexpr Palette kNight{{28, 30, 33}, {222, 222, 212}, {61, 79, 61}, {46, 42, 30}, {140, 116, 68},
                         {56, 44, 8}, {224, 176, 64}, {44, 46, 50}, {228, 228, 218}};
constexpr Palette kSepia{{244, 236, 216}, {91, 70, 54}, {200, 180, 138}, {234, 220, 180}, {190, 160, 100},
                         {240, 215, 130}, {200, 160, 60}, {250, 243, 225}, {70, 50, 30}};

// The page's own fixed colours, each kept readable in Night.
struct FixedColour {
    const char* selector;
    Rgb colour;
};
// The sura heading is left alone: it stands on its own light picture in every theme.
constexpr FixedColour kPageColours[] = {
    {".TitleName, .titlename", {218, 96, 29}},
    {"span.sajda#recommended", {200, 40, 40}},
    {"span.sajda#mandatory", {240, 10, 10}},
    {"span.juzSign", {0, 40, 200}},
    {".waqfSign", {187, 136, 51}},
    {".quran span.hizbSign, .trans span.hizbSign", {60, 120, 230}},
    {"span.selectedAya, span.selectedAyaSign, span.selectedSearchItemNum", {218, 96, 39}},
    {".latin strong, .terjemah_playing strong", {218, 96, 39}},
    {".searchResult a:link, .queryDetail a:link", {0, 70, 140}},
    {".searchResult a:visited", {80, 40, 120}},
    {".headerBar .focusedWord", {218, 96, 29}},
};

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb colour)
{
    return 0.2126 * channel(colour.red) + 0.7152 * channel(colour.green) + 0.0722 * channel(colour.blue);
}

double worstContrast(Rgb colour, const std::vector<Rgb>& backgrounds)
{
    double worst = 21.0;
    for (const Rgb& background : backgrounds)
        worst = std::min(worst, contrastRatio(colour, background));
    return worst;
}

Rgb mixed(Rgb from, Rgb to, double share)
{
    auto mix = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

std::string css(Rgb colour)
{
    char text[32];
    std::snprintf(text, sizeof text, "rgb(%d, %d, %d)", colour.red, colour.green, colour.blue);
    return text;
}

// The pages render in quirks mode, where the engine matches their class names in lower case,
// while the host sheet is parsed in standards mode: each selector goes in both spellings.
std::string withLowerCaseSpelling(const std::string& selector)
{
    std::string lower = selector;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower == selector ? selector : selector + ", " + lower;
}

std::string rule(const std::string& selector, const std::string& declarations)
{
    return withLowerCaseSpelling(selector) + " { " + declarations + " }\n";
}

std::string colourRule(const std::string& selector, Rgb colour)
{
    return rule(selector, "color: " + css(colour) + " !important;");
}

std::string paletteRules(const Palette& palette)
{
    const std::string page = css(palette.page);
    std::string rules;
    rules += rule("html, body, div.main, .searchResult div.even, .searchResult div.odd",
                  "background-color: " + page + " !important; color: " + css(palette.text) + " !important;");
    rules += rule(".bukatutup, .bukatutup td", "color: " + css(palette.text) + " !important;");
    rules += rule("div.main", "border-color: " + css(palette.frame) + " !important;");
    rules += rule("div.headerBar, div.footerBar", "background-color: " + css(palette.frame) + " !important;");
    rules += rule("hr", "color: " + css(palette.frame) + " !important; border-color: " + css(palette.frame) +
                            " !important; background-color: " + css(palette.frame) + " !important;");
    rules += rule("div.ayaSep", "border-top-color: " + css(palette.frame) + " !important;");
    rules += rule("#quranSection div.selectedAya, #searchResultSection div.selectedAya, div.selectedAya, span.selectedAya",
                  "background-color: " + css(palette.selected) + " !important; outline-color: " +
                      css(palette.selectedOutline) + " !important;");
    rules += rule(".jsHighlight, .searchResult span.highlight",
                  "background-color: " + css(palette.hit) + " !important; outline: 1px solid " +
                      css(palette.hitOutline) + " !important;");
    rules += rule(".jsHighlightFocused", "background-color: " + css(palette.hit) + " !important; outline: 2px solid " +
                                             css(palette.hitOutline) + " !important;");
    rules += rule(".tip", "background-color: " + css(palette.tip) + " !important; color: " + css(palette.tipText) +
                              " !important; border-color: " + css(palette.frame) + " !important;");
    return rules;
}

} // namespace

PageTheme themeNamed(const std::string& name)
{
    if (name == "sepia")
        return PageTheme::Sepia;
    if (name == "night")
        return PageTheme::Night;
    return PageTheme::Light;
}

std::string themeName(PageTheme theme)
{
    switch (theme) {
    case PageTheme::Sepia: return "sepia";
    case PageTheme::Night: return "night";
    case PageTheme::Light: break;
    }
    return "light";
}

Rgb rgbOf(ColorRef colour)
{
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

double contrastRatio(Rgb first, Rgb second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb readableOn(Rgb colour, const std::vector<Rgb>& backgrounds)
{
    if (backgrounds.empty() || worstContrast(colour, backgrounds) >= kReadableContrast)
        return colour;
    double darkest = 1.0;
    for (const Rgb& background : backgrounds)
        darkest = std::min(darkest, luminance(background));
    const Rgb target = darkest < 0.18 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    for (int step = 1; step <= 20; ++step) {
        const Rgb candidate = mixed(colour, target, step / 20.0);
        if (worstContrast(candidate, backgrounds) >= kReplacementContrast)
            return candidate;
    }
    return target;
}

std::vector<Rgb> themeTextBackgrounds(PageTheme theme)
{
    switch (theme) {
    case PageTheme::Night: return {kNight.page, kNight.selected, kNight.hit};
    case PageTheme::Sepia: return {kSepia.page, kSepia.selected, kSepia.hit};
    case PageTheme::Light: break;
    }
    return {{255, 255, 255}, {255, 248, 220}, {255, 240, 150}};
}

std::string themePageCss(PageTheme theme, const TAppSet& settings)
{
    if (theme == PageTheme::Light)
        return {};
    if (theme == PageTheme::Sepia)
        return paletteRules(kSepia);

    const std::vector<Rgb> backgrounds = themeTextBackgrounds(theme);
    std::string rules = paletteRules(kNight);
    rules += colourRule(".quran, .quran td", readableOn(rgbOf(settings.ArabicFontColor), backgrounds));
    rules += colourRule(".trans, .trans td", readableOn(rgbOf(settings.TransFontColor), backgrounds));
    // The transliteration's colour stands in each block's own style attribute.
    rules += colourRule(".latin", readableOn(rgbOf(settings.ArabicLatinFontColor), backgrounds));
    for (const FixedColour& fixed : kPageColours)
        rules += colourRule(fixed.selector, readableOn(fixed.colour, backgrounds));
    return rules;
}

} // namespace tilvane
