#pragma once

#include "core/quran/line_list.h"
#include "core/search/search_index.h"

#include <functional>
#include <vector>

namespace tilvane {

// Where the built-in texts come from when they must be indexed.
struct BuiltInTexts {
    std::function<LineList()> arabic;      // QuranUthmani's lines
    std::function<LineList()> latin;       // InaLatn's lines
    std::function<LineList()> translation; // InaTran's lines
};

// The texts of the loaded text store (the reader has them in memory), copied now: the
// index may be built on another thread while the store is released.
BuiltInTexts textStoreTexts();
// The texts read from the data archives, unpacked into the working folders when called
// (for the command, which loads nothing it does not need). Throws FileOpenError.
BuiltInTexts archiveTexts();

// Everything search covers: the Arabic text, the built-in transliteration and translation
// (stamped by the data archives they come from) and every installed translation package of
// the catalogue (stamped by its aya file), in this order.
std::vector<SearchSource> searchSources(const BuiltInTexts& builtIn);

// The names of the sources the reader shows: the Arabic text and the active translations of
// the settings, in the catalogue loaded.
std::vector<std::string> activeSourceNames();

// The Arabic text of an aya as search shows it: the first aya of a sura holds the opening
// bismillah in front of its own text, which is no part of that aya.
std::string ayaWithoutBismillah(const std::string& line, const std::string& bismillah, int globalAya);

} // namespace tilvane
