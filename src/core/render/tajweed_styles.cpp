#include "core/render/tajweed_styles.h"

#include "core/base/markup_escape.h"
#include "core/app/app_dirs.h"
#include "core/quran/line_list.h"
#include "core/tajweed/tajweed_markup.h"

namespace tilvane {

namespace {

// The colour families of the common colour-coded tajweed mushaf: grey for letters written but
// not said, reds for the madd (the longer, the darker), greens for the nasal rules (ghunnah,
// hiding, merging with ghunnah), blue for qalqalah; merging without ghunnah and the merging of
// near letters in muted tones, as they are heard least. Each rule keeps a shade of its own so
// that the legend tells them apart.
constexpr const char* kTajweedCss =
    "/* Tajweed colours: grey = not said, reds = madd (darker is longer), greens = nasal\r"
    "   rules, blue = qalqalah, muted tones = merging without ghunnah. */\r"
    "/* The colours are read against dark letters, as in a tajweed mushaf. */\r"
    "#quranSection .quran, #quranSection .bismillah { color: rgb(25, 25, 25); }\r"
    ".tajweed-hamzat_wasl, .tajweed-lam_shamsiyyah, .tajweed-silent { color: rgb(160, 160, 160); }\r"
    ".tajweed-madd_2 { color: rgb(196, 148, 32); }\r"
    ".tajweed-madd_246 { color: rgb(232, 118, 0); }\r"
    ".tajweed-madd_munfasil { color: rgb(240, 72, 40); }\r"
    ".tajweed-madd_muttasil { color: rgb(214, 0, 24); }\r"
    ".tajweed-madd_6 { color: rgb(140, 0, 16); }\r"
    ".tajweed-qalqalah { color: rgb(0, 96, 224); }\r"
    ".tajweed-ghunnah { color: rgb(0, 150, 60); }\r"
    ".tajweed-ikhfa { color: rgb(110, 168, 0); }\r"
    ".tajweed-ikhfa_shafawi { color: rgb(150, 110, 200); }\r"
    ".tajweed-iqlab { color: rgb(0, 160, 190); }\r"
    ".tajweed-idghaam_ghunnah { color: rgb(20, 120, 100); }\r"
    ".tajweed-idghaam_no_ghunnah { color: rgb(120, 140, 120); }\r"
    ".tajweed-idghaam_shafawi { color: rgb(80, 170, 120); }\r"
    ".tajweed-idghaam_mutajanisayn { color: rgb(130, 120, 160); }\r"
    ".tajweed-idghaam_mutaqaribayn { color: rgb(150, 130, 110); }\r"
    "\r"
    "div.tajweedLegend {\r"
    "  margin: 4px 2% 8px 2%;\r"
    "  padding: 4px 8px;\r"
    "  border: 1px solid #ccd;\r"
    "  border-radius: 6px;\r"
    "  font: 9pt Tahoma, Sans-serif;\r"
    "  line-height: 1.6;\r"
    "  text-align: left;\r"
    "}\r"
    "div.tajweedLegend span {\r"
    "  white-space: nowrap;\r"
    "  margin-right: 14px;\r"
    "}";

constexpr const char* kStylesheetLink =
    "  <link rel=\"stylesheet\" media=\"all\" type=\"text/css\" href=\"lib/css/tajweed.css\" />\r";

} // namespace

std::string tajweedCssFile()
{
    // Beside the common stylesheet, wherever that is written.
    const std::size_t slash = CommonCssFile.find_last_of("/\\");
    return (slash == std::string::npos ? std::string() : CommonCssFile.substr(0, slash + 1)) + "tajweed.css";
}

void WriteTajweedCss()
{
    LineList css;
    css.add(kTajweedCss);
    css.saveToFile(tajweedCssFile());
}

std::string withTajweedStylesheet(const std::string& head)
{
    const std::size_t end = head.rfind("</head>");
    if (end == std::string::npos)
        return head + kStylesheetLink;
    return head.substr(0, end) + kStylesheetLink + head.substr(end);
}

std::string tajweedLegendBlock()
{
    const auto& titles = tajweedHoverTitles();
    std::string block = "<div class=\"tajweedLegend\" dir=\"ltr\">\r";
    for (TajweedRule rule : allTajweedRules()) {
        const std::string title = markupEscaped(titles[static_cast<std::size_t>(rule)]);
        block += "  <span class=\"tajweed-";
        block += tajweedRuleName(rule);
        block += "\">&#9679;&nbsp;" + title + "</span>\r";
    }
    block += "</div>\r";
    return block + tajweedTitleScript();
}

} // namespace tilvane
