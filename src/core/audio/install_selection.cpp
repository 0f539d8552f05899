#include "core/audio/install_selection.h"

#include "core/base/errors.h"
#include "core/base/text_trim.h"
#include "core/quran/juz_starts.h"
#include "core/quran/sura_table.h"

#include <charconv>
#include <set>
#include <string_view>

namespace tilvane {

namespace {

struct NumberKind {
    const char* name;
    int highest;
};

int numberOf(std::string_view text, std::string_view part, const NumberKind& kind)
{
    text = trimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 || value > kind.highest)
        throw TilvaneError("\"" + std::string(part) + "\" is not a " + kind.name + " number (1-"
                           + std::to_string(kind.highest) + ") or a range of them.");
    return value;
}

std::vector<int> parseSelection(const std::string& text, const NumberKind& kind)
{
    std::set<int> numbers;
    std::string_view rest = text;
    while (true) {
        const auto comma = rest.find(',');
        const std::string_view part = trimBlanks(rest.substr(0, comma));
        const auto dash = part.find('-');
        const int first = numberOf(part.substr(0, dash), part, kind);
        const int last = dash == std::string_view::npos ? first : numberOf(part.substr(dash + 1), part, kind);
        if (last < first)
            throw TilvaneError("\"" + std::string(part) + "\" is a range that runs backwards.");
        for (int number = first; number <= last; ++number)
            numbers.insert(number);
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    return {numbers.begin(), numbers.end()};
}

// Global aya indexes first..last as sura and aya, walking the suras they lie in.
void appendAyat(int first, int last, std::vector<TQuranPos>& ayat)
{
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        const TSuraInfo& info = SuraTable[sura];
        for (int global = std::max(first, info.FirstAya); global <= std::min(last, info.LastAya); ++global)
            ayat.push_back({sura, global - info.FirstAya + 1});
    }
}

} // namespace

std::vector<int> parseSuraSelection(const std::string& text)
{
    return parseSelection(text, {"sura", kSuraCount});
}

std::vector<int> parseJuzSelection(const std::string& text)
{
    return parseSelection(text, {"juz", kJuzCount});
}

std::vector<TQuranPos> ayatOfSuras(const std::vector<int>& suras)
{
    std::vector<TQuranPos> ayat;
    for (const int sura : suras)
        appendAyat(SuraTable[sura].FirstAya, SuraTable[sura].LastAya, ayat);
    return ayat;
}

std::vector<TQuranPos> ayatOfJuzs(const std::vector<int>& juzs)
{
    std::vector<TQuranPos> ayat;
    for (const int juz : juzs)
        appendAyat(juzFirstAya(juz), juzLastAya(juz), ayat);
    return ayat;
}

} // namespace tilvane
