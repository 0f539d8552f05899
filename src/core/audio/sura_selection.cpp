#include "core/audio/sura_selection.h"

#include "core/base/errors.h"
#include "core/base/text_trim.h"
#include "core/quran/sura_table.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string_view>

namespace tilvane {

namespace {

int suraNumber(std::string_view text, std::string_view part)
{
    text = trimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 || value > kSuraCount)
        throw TilvaneError("\"" + std::string(part) + "\" is not a sura number (1-114) or a range of them.");
    return value;
}

} // namespace

std::vector<int> parseSuraSelection(const std::string& text)
{
    std::set<int> suras;
    std::string_view rest = text;
    while (true) {
        const auto comma = rest.find(',');
        const std::string_view part = trimBlanks(rest.substr(0, comma));
        const auto dash = part.find('-');
        const int first = suraNumber(part.substr(0, dash), part);
        const int last = dash == std::string_view::npos ? first : suraNumber(part.substr(dash + 1), part);
        if (last < first)
            throw TilvaneError("\"" + std::string(part) + "\" is a range that runs backwards.");
        for (int sura = first; sura <= last; ++sura)
            suras.insert(sura);
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    return {suras.begin(), suras.end()};
}

} // namespace tilvane
