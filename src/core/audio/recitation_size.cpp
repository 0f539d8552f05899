#include "core/audio/recitation_size.h"

#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"

namespace tilvane {

std::uint64_t estimatedRecitationBytes(std::uint64_t wholeQuranBytes, const std::vector<TQuranPos>& ayat)
{
    const bool textLoaded = QuranUthmani.size() >= static_cast<std::size_t>(kAyaCount);
    const auto weight = [textLoaded](const TQuranPos& aya) -> double {
        return textLoaded ? static_cast<double>(ayaLine(QuranUthmani, aya.Sura, aya.Aya).size()) : 1.0;
    };
    double whole = 0;
    if (textLoaded) {
        for (const std::string& line : QuranUthmani)
            whole += static_cast<double>(line.size());
    } else {
        whole = kAyaCount;
    }
    double chosen = 0;
    for (const TQuranPos& aya : ayat)
        chosen += weight(aya);
    return whole > 0 ? static_cast<std::uint64_t>(static_cast<double>(wholeQuranBytes) * chosen / whole) : 0;
}

} // namespace tilvane
