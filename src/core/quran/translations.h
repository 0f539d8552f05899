#pragma once

#include "core/quran/line_file.h"
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
    // The package folder without a trailing separator; empty for the built-in entries.
    // The package's files are read only from inside it (subfolders included).
    std::string PackageFolder;
};

inline constexpr int kBuiltInLatin = 0;    // stands for InaLatn
inline constexpr int kBuiltInFootnote = 1; // stands for InaTran with InaFoot
inline constexpr int kFirstPackage = 2;

struct TTransSlot {
    int Index = 0;
    std::string TransName;
    bool Active = false;
};

extern std::vector<TTranslation> Translations;
extern std::vector<TTransSlot> TransSlots; // active slots first
extern int ActiveTransCount;
// One list per slot (same index as in TransSlots), filled by LoadActiveTranslations for the
// active slots whose entry is a package; empty for every other slot. The ayat are read from
// their files as pages ask for them.
extern std::vector<LineList> TransSuraLists;
extern std::vector<LineFile> TransAyaLists;

// Reads TransSlots from the settings file and rebuilds Translations from the subfolders of
// TransDir and UserTransDir, sorted by name without regard to case. A missing folder means
// that no package is installed there. A package whose TransName an earlier entry already
// has, and a descriptor that cannot be read, are reported through takeTranslationProblems.
void LoadTranslationCatalogue();
// Writes TransSlots to the settings file's "translations" section at once, keeping every
// other section. Throws TilvaneError "Unable to write to <path>" when the system refuses,
// and "Unable to read <path>; your settings were not saved" when the file cannot be read.
void SaveTranslationSlots();
// Fills one entry from folder + "/_transinit.ini"; a missing file gives "[Unknown]" texts.
void ReadTransInit(TTranslation& entry, const std::string& folder);
// Index of the first entry whose TransName (or FullName) equals name exactly; -1 if none.
int FindTranslation(const std::string& name);
int FindTranslationByFullName(const std::string& name);

// A translation the page shows: the slot it stands in and its catalogue entry.
struct ActiveTranslation {
    int slot = 0;           // index into TransSlots, TransSuraLists and TransAyaLists
    int catalogueIndex = 0; // index into Translations
};
// The translations a page shows, in slot order: every active slot whose TransName names a
// catalogue entry. Inactive slots are left out wherever they stand (a hand-edited file may
// put one among the active ones), and so are slots naming a package no longer installed.
std::vector<ActiveTranslation> activeTranslationIndexes();

} // namespace tilvane
