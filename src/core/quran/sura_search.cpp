#include "core/quran/sura_search.h"

#include "core/base/ascii_case.h"
#include "core/quran/sura_table.h"
#include "core/search/latin_spelling.h"
#include "core/search/quran_reference.h"

namespace tilvane {

int findSuraByName(const std::string& text)
{
    if (text.empty())
        return 0;
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        if (containsIgnoringAsciiCase(SuraLatinNames[sura], text))
            return sura;
    }
    // The spellings people type: "yasin" for Yaasiin, "al kahfi", "as-saffat".
    const std::string key = nameKey(text);
    if (key.size() < 3)
        return 0;
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        if (nameKey(SuraLatinNames[sura]).find(key) != std::string::npos)
            return sura;
    }
    return suraNamed(text);
}

} // namespace tilvane
