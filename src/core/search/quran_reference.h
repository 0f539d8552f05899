#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tilvane {

// A place a query names: "2:255", "QS 2:255", "al-kahfi", "yasin", "al baqarah 255".
struct QuranReference {
    int sura = 0;
    int aya = 0; // 0 when only the sura is named
    std::string label; // "Go to Al-Baqarah 255"
};

// The sura a typed name stands for: its folded name key equal to the sura's, or one letter
// off for a longer name ("al-mu'minun" for Al-Mukminuun); 0 when none or several are as near.
int suraNamed(std::string_view typed);

// The place the whole query names, if it names one; an aya past the sura's end names none.
std::optional<QuranReference> findQuranReference(std::string_view query);

} // namespace tilvane
