#pragma once

#include "core/quran/index_tree.h"
#include "core/quran/quran_pos.h"

#include <string>
#include <vector>

namespace tilvane {

// Where an aya stands in the divisions readers count by: its juz, hizb quarter and page of
// the printed mushaf, read from the Index tab's tree ("Juz 2", below it "Hizb 3 ½", and the
// "Halaman 25" nodes), so that the status bar and the Index agree.
class AyaPlaces {
public:
    struct Place {
        int juz = 0;          // 0 when the index has no juz
        std::string quarter;  // "Hizb 3 ½"; empty when unknown
        int page = 0;         // 0 when unknown
    };

    AyaPlaces() = default;
    explicit AyaPlaces(const std::vector<IndexNode>& nodes);

    Place placeOf(TQuranPos pos) const;
    bool empty() const { return m_juz.empty() && m_pages.empty(); }

private:
    struct Start {
        int globalAya = 0;
        int number = 0;
        std::string label;
    };

    std::vector<Start> m_juz;
    std::vector<Start> m_quarters;
    std::vector<Start> m_pages;
};

} // namespace tilvane
