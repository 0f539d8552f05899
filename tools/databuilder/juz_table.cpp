#include "juz_table.h"

namespace databuilder {

const std::array<AyaPosition, kJuzCount> kJuzStarts = [] {
    std::array<AyaPosition, kJuzCount> starts {};
    for (int juz = 1; juz <= kJuzCount; ++juz) {
        const tilvane::TQuranPos start = tilvane::juzStart(juz);
        starts[juz - 1] = {start.Sura, start.Aya};
    }
    return starts;
}();

int juzOf(int sura, int aya)
{
    int juz = 1;
    for (int i = 1; i < kJuzCount; ++i) {
        const AyaPosition& start = kJuzStarts[i];
        if (sura > start.sura || (sura == start.sura && aya >= start.aya))
            juz = i + 1;
    }
    return juz;
}

} // namespace databuilder
