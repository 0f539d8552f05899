#include "core/quran/translation_selection.h"

#include "core/quran/translations.h"

namespace tilvane {

std::vector<TransListLine> listTranslationSelection()
{
    for (TTranslation& entry : Translations)
        entry.ListIndex = -1;

    std::vector<TransListLine> lines;
    const auto addLine = [&lines](int index, bool checked) {
        TTranslation& entry = Translations[static_cast<std::size_t>(index)];
        entry.ListIndex = static_cast<int>(lines.size());
        lines.push_back(TransListLine{index, entry.FullName, checked});
    };
    // A hand-edited file may name an entry in several slots: its line is checked when any of
    // them is active, or Apply would drop a translation the page shows.
    std::vector<bool> active(Translations.size(), false);
    for (const ActiveTranslation& shown : activeTranslationIndexes())
        active[static_cast<std::size_t>(shown.catalogueIndex)] = true;
    for (const TTransSlot& slot : TransSlots) {
        const int index = FindTranslation(slot.TransName);
        if (index >= 0 && Translations[static_cast<std::size_t>(index)].ListIndex == -1)
            addLine(index, active[static_cast<std::size_t>(index)]);
    }
    for (std::size_t i = 0; i < Translations.size(); ++i) {
        if (Translations[i].ListIndex == -1)
            addLine(static_cast<int>(i), false);
    }
    return lines;
}

void applyTranslationSelection(const std::vector<TransListLine>& lines)
{
    std::vector<TTransSlot> slots;
    for (const bool checkedPass : {true, false}) {
        for (const TransListLine& line : lines) {
            const bool known = line.catalogueIndex >= 0
                && static_cast<std::size_t>(line.catalogueIndex) < Translations.size();
            if (line.checked != checkedPass || !known)
                continue;
            const int index = static_cast<int>(slots.size());
            slots.push_back(TTransSlot{index, Translations[static_cast<std::size_t>(line.catalogueIndex)].TransName,
                                       line.checked});
        }
    }
    TransSlots = std::move(slots);
    SaveTranslationSlots();
    LoadTranslationCatalogue();
}

} // namespace tilvane
