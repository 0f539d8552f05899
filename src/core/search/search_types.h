#pragma once

#include "core/quran/sura_table.h"
#include "core/search/search_query.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tilvane {

enum SearchField : int { kFieldArabic = 1, kFieldLatin = 2, kFieldTranslation = 4, kAllFields = 7 };

// What the words of a query stand for: themselves, Arabic roots (every word derived from
// the root), or Arabic stems (the word with any prefixes and attached pronouns).
enum class SearchMode { Words, Root, Stem };
enum class SearchOrder { Quran, Relevance };

// One text the index covers, one line per aya in Quran order.
struct SearchSource {
    std::string name;  // unique key
    std::string title; // shown beside each result
    int field = kFieldTranslation;
    std::string stamp; // changes whenever the text does
    // Called only when the source must be indexed; may throw TilvaneError.
    std::function<std::vector<std::string>()> ayaTexts;
    // A required text that cannot be read fails the update; any other is left out.
    bool required = false;
};

struct SearchOptions {
    int fields = kAllFields;
    bool wholeWord = false;
    SearchMode mode = SearchMode::Words;
    SearchOrder order = SearchOrder::Quran;
    // The texts the reader shows (source names): ranked above the others, and, unless
    // allTexts, the only ones searched.
    std::vector<std::string> activeSources;
    bool allTexts = true;
    int firstAya = 1; // global aya indexes of the scope
    int lastAya = kAyaCount;
    std::size_t limit = 0; // 0: every hit (a single-letter query is capped all the same)
    // Polled while the query runs; true stops it with an interrupted SqliteError.
    std::function<bool()> cancelled;
};

struct SearchHit {
    int sura = 0;
    int aya = 0;
    int field = kFieldArabic;
    std::string sourceName;
    std::string sourceTitle;
    std::string text;
    double score = 0; // relevance, when asked for
};

// A form a root or stem query found, and the hits that hold it: its count is theirs, so that
// choosing it shows as many hits as it counts.
struct FoundForm {
    std::string form;              // as written in the text
    std::vector<std::size_t> hits; // places in SearchResults::hits (ayat of a text) holding the form
    std::size_t count() const { return hits.size(); }
};

inline constexpr std::size_t kSingleLetterCap = 500;

// A row's id in the index is globalAya * kSourceSlots + source id: ids in order are Quran order.
inline constexpr std::int64_t kSourceSlots = 1024;

// A text as the index holds it, by its source id.
struct IndexedSource {
    std::string name;
    std::string title;
    int field = 0;
    std::string stamp;
};

class RootLexicon;

struct SearchResults {
    std::vector<QueryTerm> terms;
    std::vector<SearchHit> hits; // Quran order (per aya in source order) or by relevance
    std::size_t total = 0;       // hits before any cap or limit
    std::size_t ayaCount = 0;    // different ayat among all hits
    bool capped = false;         // fewer hits than total were kept
    std::vector<std::string> suggestions; // nearest indexed words, when nothing was found
    std::vector<FoundForm> forms;         // root and stem queries: the forms found, most first
    std::shared_ptr<const RootLexicon> roots; // the roots the index read the Arabic words as (for matchMarks)
};

} // namespace tilvane
