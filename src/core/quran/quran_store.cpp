#include "core/quran/quran_store.h"

#include "core/quran/sura_table.h"

namespace tilvane {

LineList QuranUthmani;
LineList NumAr;
LineList SuraNameAr;
std::string SuraWordAr;
LineList InaSura;
LineList InaTran;
LineList InaFoot;
LineList InaLatn;
LineList PageFootnotes;

std::string ToArabicDigits(int n)
{
    std::string result;
    for (const char c : std::to_string(n)) {
        if (c >= '0' && c <= '9')
            result += NumAr.lineOrEmpty(static_cast<std::size_t>(c - '0'));
        else
            result += c; // the sign of a negative number has no glyph of its own
    }
    return result;
}

const std::string& ayaLine(const LineList& list, int globalAya)
{
    // Global aya 0 (a non-existent aya) wraps to a huge index, which reads as empty.
    return list.lineOrEmpty(static_cast<std::size_t>(globalAya) - 1);
}

const std::string& ayaLine(const LineList& list, int sura, int aya)
{
    return ayaLine(list, globalAyaIndex(sura, aya));
}

void clearQuranStore()
{
    for (LineList* list : {&QuranUthmani, &NumAr, &SuraNameAr, &InaSura, &InaTran, &InaFoot, &InaLatn, &PageFootnotes})
        list->clear();
    SuraWordAr.clear();
}

} // namespace tilvane
