#pragma once

#include "core/quran/quran_pos.h"

#include <string>

namespace tilvane {

// One aya as it goes to the clipboard: the Arabic, every translation the page shows (in its
// order) and a reference such as "QS. Al-Baqarah [2]: 255".
struct AyaCopy {
    std::string plainText;
    std::string html;
};

// From the loaded text store and the active translations; an aya that does not exist gives
// empty texts.
AyaCopy composeAyaCopy(TQuranPos pos);

// "QS. Al-Baqarah [2]: 255", with the sura name spelt as in the contents list.
std::string ayaReference(TQuranPos pos);

// A line of page text as plain text: footnote marks (<sup>…</sup>) dropped, other tags
// removed, the few character references the data uses decoded, blanks collapsed.
std::string plainFromPageText(const std::string& text);

} // namespace tilvane
