#include "core/render/stylesheets.h"

#include "core/app/app_dirs.h"
#include "core/quran/line_list.h"
#include "core/render/fragment_format.h"
#include "core/render/stylesheet_templates.h"

namespace tilvane {

std::string RgbText(TColor colour)
{
    const auto component = [colour](int shift) { return std::to_string((colour >> shift) & 0xFF); };
    return "rgb(" + component(0) + ", " + component(8) + ", " + component(16) + ")";
}

void WriteCommonCss()
{
    const std::string arabicFont = std::to_string(AppSet.ArabicFontSize) + "pt";
    const std::string transFont = std::to_string(AppSet.TransFontSize) + "pt " + AppSet.TransFontName;
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
}

} // namespace tilvane
