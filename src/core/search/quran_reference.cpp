#include "core/search/quran_reference.h"

#include "core/quran/sura_table.h"
#include "core/search/latin_spelling.h"

#include <cctype>
#include <charconv>

namespace tilvane {

namespace {

// Names shorter than this are matched exactly only: "sabar" (patience) is not "Saba'".
constexpr std::size_t kNearNameLetters = 6;

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// Removes a leading word (any case) followed by a blank, dot or the end: "QS.", "surah".
bool dropLeadingWord(std::string_view& text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (std::tolower(static_cast<unsigned char>(text[k])) != word[k])
            return false;
    }
    if (text.size() > word.size() && text[word.size()] != ' ' && text[word.size()] != '.')
        return false;
    text = trimmed(text.substr(std::min(text.size(), word.size() + 1)));
    return true;
}

std::optional<int> numberAt(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<QuranReference> referenceTo(int sura, int aya)
{
    if (sura < 1 || sura > kSuraCount || aya < 0 || aya > SuraTable[sura].AyaCount)
        return std::nullopt;
    std::string label = "Go to " + SuraLatinNames[static_cast<std::size_t>(sura)];
    label += aya > 0 ? " " + std::to_string(aya) + " (" + std::to_string(sura) + ":" + std::to_string(aya) + ")"
                     : " (" + std::to_string(sura) + ")";
    return QuranReference{sura, aya, label};
}

} // namespace

int suraNamed(std::string_view typed)
{
    const std::string key = nameKey(typed);
    if (key.size() < 2)
        return 0;
    int nearest = 0;
    std::size_t nearestDistance = 2;
    bool tied = false;
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        const std::string suraKey = nameKey(SuraLatinNames[static_cast<std::size_t>(sura)]);
        if (suraKey == key)
            return sura;
        if (key.size() < kNearNameLetters)
            continue;
        const std::size_t distance = editDistance(key, suraKey, 1);
        if (distance < nearestDistance) {
            nearest = sura;
            nearestDistance = distance;
            tied = false;
        } else if (distance == nearestDistance) {
            tied = true;
        }
    }
    return tied ? 0 : nearest;
}

std::optional<QuranReference> findQuranReference(std::string_view query)
{
    std::string_view text = trimmed(query);
    const bool marked = dropLeadingWord(text, "qs") || dropLeadingWord(text, "q.s") || dropLeadingWord(text, "surah")
        || dropLeadingWord(text, "surat") || dropLeadingWord(text, "sura");
    if (text.empty())
        return std::nullopt;
    // The aya number at the end, after a blank, ':' or '.'.
    std::size_t digits = text.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(text[digits - 1])))
        --digits;
    const std::optional<int> aya = digits < text.size() ? numberAt(text.substr(digits)) : std::nullopt;
    std::string_view rest = trimmed(text.substr(0, digits));
    if (aya && (rest.ends_with(':') || rest.ends_with('.')))
        rest = trimmed(rest.substr(0, rest.size() - 1));
    if (aya && digits == 0)
        return marked ? referenceTo(*aya, 0) : std::nullopt; // a bare number is a search
    if (const std::optional<int> sura = numberAt(rest); sura && aya && digits < text.size())
        return text.find_first_of(":.") != std::string_view::npos || marked ? referenceTo(*sura, *aya) : std::nullopt;
    for (std::string_view word : {" ayat", " ayah", " aya"}) {
        if (aya && rest.size() > word.size() && rest.ends_with(word)) {
            rest = trimmed(rest.substr(0, rest.size() - word.size()));
            break;
        }
    }
    const int sura = suraNamed(aya ? rest : text);
    if (sura == 0)
        return std::nullopt;
    return referenceTo(sura, aya ? *aya : 0);
}

} // namespace tilvane
