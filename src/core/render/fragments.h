#pragma once

#include <string>

namespace tilvane {

// The fixed HTML pieces every page is assembled from. Lines inside a fragment are separated
// by single CRs; the page list saves each appended fragment followed by CR LF. Placeholders
// are "%s", filled in order by FormatFragment.

// Sura pages (BuildSuraPage).
extern const std::string HeadFragment;       // working root URL; screen stylesheet name
extern const std::string QuranBodyOpen;      // views 0 to 2: right-to-left body
extern const std::string TransBodyOpen;      // view 3: left-to-right body
extern const std::string SuraHeader;         // sura title; bismillah block (may be empty)
extern const std::string BismillahBlock;     // bismillah text
extern const std::string AyaBlockOpen;       // aya id
extern const std::string ArabicBlock;        // Arabic text; aya number in Arabic-Indic digits
extern const std::string LatinBlock;         // block id; font size and colour; transliteration
extern const std::string TranslationBlock;   // language code; translation text
extern const std::string AyaBlockClose;      // draws the visible rule between ayat
extern const std::string InlineAya;          // aya id; Arabic text; aya number
extern const std::string PageClose;
extern const std::string TransAyaBlockOpen;  // aya id
extern const std::string TransOnlyBlock;     // language code; translation text
extern const std::string TransAyaBlockClose;

// Preface and closing pages (ShowPrefacePage).
extern const std::string PrefaceHead;        // working root URL; page title
extern const std::string PrefaceTitle;
extern const std::string ClosingTitle;
extern const std::string PrefaceBodyOpen;    // body id
extern const std::string PrefaceBodyClose;
extern const std::string PrefacePageClose;

// Footnotes inside translation texts.
extern const std::string FootnoteMark;       // tooltip id; tooltip id; footnote number
extern const std::string FootnoteTip;        // tooltip id; footnote text

} // namespace tilvane
