#include "core/tajweed/tajweed_markup.h"
#include "core/base/markup_escape.h"

#include "core/tajweed/tajweed_annotator.h"

#include <unordered_map>

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

std::string withTajweedSpans(std::string_view ayaText)
{
    const std::vector<TajweedLetter> letters = annotateTajweed(ayaText);
    std::string out;
    out.reserve(ayaText.size() + letters.size() * 40);
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
        out += "<span class=\"tajweed-";
        out += tajweedRuleName(first.rule);
        out += "\">";
        out.append(ayaText, first.begin, end - first.begin);
        out += "</span>";
        copied = end;
        i = j;
    }
    out.append(ayaText, copied, std::string_view::npos);
    return out;
}

const std::string& cachedTajweedSpans(int globalAya, const std::string& ayaText)
{
    struct Entry {
        std::string plain;
        std::string coloured;
        bool made = false;
    };
    static std::unordered_map<int, Entry> cache;
    Entry& entry = cache[globalAya];
    if (!entry.made || entry.plain != ayaText) {
        entry.plain = ayaText;
        entry.coloured = withTajweedSpans(ayaText);
        entry.made = true;
    }
    return entry.coloured;
}

namespace {

// A JavaScript string literal that also cannot end the script element it stands in.
std::string scriptString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '<': out += "\\x3C"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

} // namespace

std::string tajweedTitleScript()
{
    const auto& titles = tajweedHoverTitles();
    std::string script = "<script type=\"text/javascript\">\r(function () {\r  var titles = {";
    for (TajweedRule rule : allTajweedRules()) {
        script += rule == TajweedRule::HamzatWasl ? "" : ", ";
        script += "\"tajweed-" + std::string(tajweedRuleName(rule)) + "\": "
            + scriptString(titles[static_cast<std::size_t>(rule)]);
    }
    script += "};\r"
              "  document.addEventListener(\"mouseover\", function (event) {\r"
              "    var e = event.target;\r"
              "    if (e && !e.title && titles.hasOwnProperty(e.className)) e.title = titles[e.className];\r"
              "  });\r"
              "})();\r"
              "</script>\r";
    return script;
}

} // namespace tilvane
