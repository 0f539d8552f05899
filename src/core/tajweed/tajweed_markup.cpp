#include "core/tajweed/tajweed_markup.h"

#include "core/tajweed/tajweed_annotator.h"

namespace tilvane {

std::array<std::string, kTajweedRuleCount>& tajweedHoverTitles()
{
    static std::array<std::string, kTajweedRuleCount> titles = [] {
        std::array<std::string, kTajweedRuleCount> english;
        for (TajweedRule rule : allTajweedRules())
            english[static_cast<std::size_t>(rule)] = std::string(tajweedRuleTitle(rule));
        return english;
    }();
    return titles;
}

std::string escapeHtmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

TajweedSpanWriter::TajweedSpanWriter()
{
    const auto& titles = tajweedHoverTitles();
    for (TajweedRule rule : allTajweedRules()) {
        const auto k = static_cast<std::size_t>(rule);
        m_openTags[k] = "<span class=\"tajweed-" + std::string(tajweedRuleName(rule)) + "\" title=\""
            + escapeHtmlText(titles[k]) + "\">";
    }
}

std::string TajweedSpanWriter::wrap(std::string_view ayaText) const
{
    const std::vector<TajweedLetter> letters = annotateTajweed(ayaText);
    std::string out;
    out.reserve(ayaText.size() + letters.size() * 64);
    std::size_t copied = 0;
    for (std::size_t i = 0; i < letters.size();) {
        const TajweedLetter& first = letters[i];
        // A letter under two rules is coloured by the first; the run goes on while the next
        // letter starts where this one ends and carries the same rule.
        std::size_t end = first.end;
        std::size_t j = i + 1;
        while (j < letters.size() && letters[j].begin < end)
            ++j;
        while (j < letters.size() && letters[j].begin == end && letters[j].rule == first.rule) {
            end = letters[j].end;
            ++j;
            while (j < letters.size() && letters[j].begin < end)
                ++j;
        }
        out.append(ayaText, copied, first.begin - copied);
        out += m_openTags[static_cast<std::size_t>(first.rule)];
        out.append(ayaText, first.begin, end - first.begin);
        out += "</span>";
        copied = end;
        i = j;
    }
    out.append(ayaText, copied, std::string_view::npos);
    return out;
}

std::string withTajweedSpans(std::string_view ayaText)
{
    return TajweedSpanWriter().wrap(ayaText);
}

} // namespace tilvane
