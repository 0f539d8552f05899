#pragma once

#include "core/quran/line_list.h"

#include <string>
#include <vector>

namespace tilvane {

// One catalogue entry: entries 0 and 1 are built in, then one per package folder.
struct TTranslation {
    std::string TransName; // key stored in the settings file; at most 50 characters
    std::string FullName;  // name shown in the settings dialog
    std::string Language;
    bool IsArabicLatin = false; // a transliteration rather than a translation
    std::string SuraNameFile;   // full paths inside the package folder
    std::string AyaNameFile;
    std::string Translator;
    std::string Author;
    std::string Copyright;
    int ListIndex = -1; // position in the settings dialog's list; -1 = not listed
};

inline constexpr int kBuiltInLatin = 0;    // stands for InaLatn
inline constexpr int kBuiltInFootnote = 1; // stands for InaTran with InaFoot

struct TTransSlot {
    int Index = 0;
    std::string TransName;
    bool Active = false;
};

extern std::vector<TTranslation> Translations;
extern std::vector<TTransSlot> TransSlots; // active slots first
extern int ActiveTransCount;
// Per active slot (same index), the lines of a package's files; empty for built-in entries.
extern std::vector<LineList> TransSuraLists;
extern std::vector<LineList> TransAyaLists;

// Reads TransSlots from the settings file and rebuilds Translations from TransDir.
void LoadTranslationCatalogue();
// Writes TransSlots to the settings file's "translations" section at once.
void SaveTranslationSlots();
// Fills one entry from folder + "/_transinit.ini".
void ReadTransInit(TTranslation& entry, const std::string& folder);
// Index of the first entry whose TransName (or FullName) equals name exactly; -1 if none.
int FindTranslation(const std::string& name);
int FindTranslationByFullName(const std::string& name);
// Loads the package files of the active slots into TransSuraLists and TransAyaLists.
void LoadActiveTranslations();

} // namespace tilvane
