#pragma once

#include "core/quran/line_list.h"

#include <string>

namespace tilvane {

// The footnote number used for a mark whose number cannot be read.
inline constexpr int kUnreadableFootnote = 1610;

// Turns the footnote marks of translation lines ("<sup><b>[n]</b></sup>") into pop-up marks
// and collects, for every mark, the tooltip block the page carries after its last aya.
class FootnoteExpander {
public:
    // footnoteTexts: footnote n is line n - 1. tips: receives the tooltip blocks in order.
    // logFolder: where a mark that cannot be read is logged.
    FootnoteExpander(const LineList& footnoteTexts, LineList& tips, std::string logFolder);

    // The line with its marks expanded. sura and globalAya name the line in a log file.
    std::string expand(const std::string& text, int sura, int globalAya);

private:
    void logUnreadableMark(int sura, int globalAya, int markNumber, const std::string& message,
                           const std::string& rest, const std::string& mark) const;
    const std::string& footnoteText(int number) const;

    const LineList& m_footnoteTexts;
    LineList& m_tips;
    std::string m_logFolder;
};

// "err" + sura (3 digits) + global aya (3 digits or more) + "_" + mark number (2 digits) + ".log".
std::string footnoteLogFileName(int sura, int globalAya, int markNumber);

} // namespace tilvane
