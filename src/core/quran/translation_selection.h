#pragma once

#include <string>
#include <vector>

namespace tilvane {

// One line of the settings dialog's translation list. Lines are tied to their catalogue
// entry by index, so two packages sharing a FullName keep their own identities.
struct TransListLine {
    int catalogueIndex = -1;
    std::string text; // the entry's FullName
    bool checked = false;
};

// The dialog's list: the stored slots in order, checked when any slot naming the entry is
// active, then every other
// catalogue entry unchecked, in catalogue order. Sets every entry's ListIndex to its line
// (-1 before listing, so a list made twice without an Apply between is the same). A slot
// naming no installed translation, or an entry already listed, is left out.
std::vector<TransListLine> listTranslationSelection();

// Rebuilds TransSlots from the dialog's lines: first the checked lines, then the unchecked,
// each in list order; then writes them to the settings file and reloads the catalogue.
// Throws TilvaneError when the settings file cannot be written.
void applyTranslationSelection(const std::vector<TransListLine>& lines);

} // namespace tilvane
