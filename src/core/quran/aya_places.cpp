#include "core/quran/aya_places.h"

#include "core/quran/sura_table.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tilvane {

namespace {

// The number after prefix ("Juz 12" gives 12); 0 when text is not prefix and a number.
int numberAfter(std::string_view text, std::string_view prefix)
{
    if (text.substr(0, prefix.size()) != prefix)
        return 0;
    int number = 0;
    const char* begin = text.data() + prefix.size();
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), number);
    return error == std::errc() && end != begin ? number : 0;
}

} // namespace

AyaPlaces::AyaPlaces(const std::vector<IndexNode>& nodes)
{
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const IndexNode& node = nodes[i];
        const int global = globalAyaIndex(node.target.Sura, node.target.Aya);
        if (global == 0)
            continue;
        // The pages are grouped by juz again below "Halaman"; only the top-level juz count.
        if (const int juz = numberAfter(node.text, "Juz "); juz > 0 && node.depth == 0)
            m_juz.push_back({global, juz, {}});
        else if (const int hizb = numberAfter(node.text, "Hizb "); hizb > 0)
            m_quarters.push_back({global, hizb, node.text});
        else if (const int page = numberAfter(node.text, "Halaman "); page > 0)
            m_pages.push_back({global, page, {}});
    }
    for (std::vector<Start>* starts : {&m_juz, &m_quarters, &m_pages})
        std::stable_sort(starts->begin(), starts->end(),
                         [](const Start& a, const Start& b) { return a.globalAya < b.globalAya; });
}

AyaPlaces::Place AyaPlaces::placeOf(TQuranPos pos) const
{
    const int global = globalAyaIndex(pos.Sura, pos.Aya);
    // The last division that starts at or before the aya.
    auto containing = [global](const std::vector<Start>& starts) -> const Start* {
        const auto after = std::upper_bound(starts.begin(), starts.end(), global,
                                            [](int aya, const Start& start) { return aya < start.globalAya; });
        return after == starts.begin() ? nullptr : &*(after - 1);
    };
    Place place;
    if (global == 0)
        return place;
    if (const Start* juz = containing(m_juz))
        place.juz = juz->number;
    if (const Start* quarter = containing(m_quarters))
        place.quarter = quarter->label;
    if (const Start* page = containing(m_pages))
        place.page = page->number;
    return place;
}

} // namespace tilvane
