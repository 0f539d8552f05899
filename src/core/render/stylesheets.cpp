#include "core/render/stylesheets.h"

#include "core/app/app_dirs.h"
#include "core/quran/line_list.h"
#include "core/render/fragment_format.h"
#include "core/render/stylesheet_templates.h"
#include "core/render/tajweed_styles.h"

#include <algorithm>
#include <cctype>

namespace tilvane {

std::string RgbText(ColorRef colour)
{
    const auto component = [colour](int shift) { return std::to_string((colour >> shift) & 0xFF); };
    return "rgb(" + component(0) + ", " + component(8) + ", " + component(16) + ")";
}

namespace {

bool isIdentifierStart(unsigned char c)
{
    return std::isalpha(c) || c == '_' || c >= 0x80;
}

// One word of an unquoted family name: a CSS identifier.
bool isIdentifier(const std::string& word)
{
    const std::size_t first = !word.empty() && word[0] == '-' ? 1 : 0;
    if (first >= word.size() || !isIdentifierStart(static_cast<unsigned char>(word[first])))
        return false;
    return std::all_of(word.begin() + static_cast<std::ptrdiff_t>(first), word.end(), [](unsigned char c) {
        return isIdentifierStart(c) || std::isdigit(c) || c == '-';
    });
}

bool isPlainFamily(const std::string& family)
{
    std::size_t start = 0;
    for (std::size_t space; (space = family.find(' ', start)) != std::string::npos; start = space + 1) {
        if (!isIdentifier(family.substr(start, space - start)))
            return false;
    }
    return isIdentifier(family.substr(start));
}

} // namespace

std::string fontFamilyWithoutFoundry(const std::string& name)
{
    const std::size_t open = name.rfind(" [");
    if (open == std::string::npos || open == 0 || name.back() != ']')
        return name;
    return name.substr(0, open);
}

std::string cssFontFamily(const std::string& name)
{
    const std::string family = fontFamilyWithoutFoundry(name);
    if (isPlainFamily(family))
        return family;
    std::string quoted = "\"";
    for (const char c : family) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '\n' || c == '\r')
            continue;
        quoted += c;
    }
    return quoted + '"';
}

void WriteCommonCss()
{
    const std::string arabicFont = std::to_string(AppSet.ArabicFontSize) + "pt";
    const std::string transFont = std::to_string(AppSet.TransFontSize) + "pt " + cssFontFamily(AppSet.TransFontName);
    LineList css;
    css.add(formatFragment(kCommonCssTemplate, {arabicFont, RgbText(AppSet.ArabicFontColor), transFont,
                                                RgbText(AppSet.TransFontColor), "%"}));
    css.saveToFile(CommonCssFile);
}

void WriteScreenCss(const std::string& file, ScreenCssKind kind)
{
    LineList css;
    css.add(kScreenCssPrefix);
    css.add(kind == ScreenCssKind::Wide ? "  line-height: 2.5em;" : "  line-height: 1em;");
    css.add(kScreenCssSuffix);
    css.saveToFile(file);
}

void WriteAllStylesheets()
{
    WriteCommonCss();
    WriteScreenCss(ScreenCssFile, ScreenCssKind::Normal);
    WriteScreenCss(Screen2CssFile, ScreenCssKind::Wide);
    WriteTajweedCss();
}

} // namespace tilvane
