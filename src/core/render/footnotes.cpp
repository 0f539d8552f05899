#include "core/render/footnotes.h"

#include "core/base/decimal_text.h"
#include "core/app/paths.h"
#include "core/render/fragment_format.h"
#include "core/render/fragments.h"

#include <optional>
#include <string_view>

namespace tilvane {

namespace {

constexpr std::string_view kMarkOpen = "<sup><b>[";
constexpr std::string_view kMarkClose = "]</b></sup>";

} // namespace

FootnoteExpander::FootnoteExpander(const LineList& footnoteTexts, LineList& tips, std::string logFolder)
    : m_footnoteTexts(footnoteTexts), m_tips(tips), m_logFolder(std::move(logFolder))
{
}

std::string FootnoteExpander::expand(const std::string& text, int sura, int globalAya)
{
    std::string rest = text;
    std::string out;
    for (std::size_t markNumber = 1; markNumber < text.size(); ++markNumber) {
        const std::size_t open = rest.find(kMarkOpen);
        if (open == std::string::npos)
            break;
        // A mark without its closing part (or with a stray closing part before it) has no
        // number to read: the rest of the line stays as it is.
        const std::size_t close = rest.find(kMarkClose);
        if (close == std::string::npos || close < open)
            break;
        const std::string mark = rest.substr(open, close - open + kMarkClose.size());
        const std::string numberText = mark.substr(kMarkOpen.size(), mark.size() - kMarkOpen.size() - kMarkClose.size());
        int number = kUnreadableFootnote;
        if (const std::optional<int> parsed = parseDecimalInt(numberText)) {
            number = *parsed;
        } else {
            logUnreadableMark(sura, globalAya, static_cast<int>(markNumber),
                              "'" + numberText + "' is not a valid integer value", rest, mark);
        }
        const std::string id = "fnt" + std::to_string(number);
        out += rest.substr(0, open);
        out += formatFragment(FootnoteMark, {id, id, std::to_string(number)});
        m_tips.add(formatFragment(FootnoteTip, {id, footnoteText(number)}));
        rest.erase(0, open + mark.size());
    }
    return out + rest;
}

void FootnoteExpander::logUnreadableMark(int sura, int globalAya, int markNumber, const std::string& message,
                                         const std::string& rest, const std::string& mark) const
{
    LineList log;
    log.add(message);
    log.add("> " + rest);
    log.add("> " + mark);
    log.saveToFile(m_logFolder + footnoteLogFileName(sura, globalAya, markNumber));
}

const std::string& FootnoteExpander::footnoteText(int number) const
{
    // A number outside the footnote list gives an empty tip rather than a wrong note.
    static const std::string none;
    return number >= 1 ? m_footnoteTexts.lineOrEmpty(static_cast<std::size_t>(number) - 1) : none;
}

std::string footnoteLogFileName(int sura, int globalAya, int markNumber)
{
    return "err" + ZeroPad(sura, 3) + ZeroPad(globalAya, 3) + "_" + ZeroPad(markNumber, 2) + ".log";
}

} // namespace tilvane
