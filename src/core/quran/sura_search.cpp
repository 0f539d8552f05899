#include "core/quran/sura_search.h"

#include "core/base/ascii_case.h"
#include "core/quran/sura_table.h"

namespace tilvane {

int findSuraByName(const std::string& text)
{
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        if (containsIgnoringAsciiCase(SuraLatinNames[sura], text))
            return sura;
    }
    return 0;
}

} // namespace tilvane
