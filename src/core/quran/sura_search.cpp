#include "core/quran/sura_search.h"

#include "core/quran/sura_table.h"

#include <algorithm>
#include <cctype>

namespace tilvane {

namespace {

std::string upperCased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

int findSuraByName(const std::string& text)
{
    if (text.empty())
        return 0;
    const std::string wanted = upperCased(text);
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        if (upperCased(SuraLatinNames[sura]).find(wanted) != std::string::npos)
            return sura;
    }
    return 0;
}

} // namespace tilvane
