#pragma once

#include "core/quran/sura_table.h"
#include "core/search/search_query.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

class SqliteDb;

enum SearchField : int { kFieldArabic = 1, kFieldLatin = 2, kFieldTranslation = 4, kAllFields = 7 };

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
    std::string sourceTitle;
    std::string text;
};

inline constexpr std::size_t kSingleLetterCap = 500;

struct SearchResults {
    std::vector<QueryTerm> terms;
    std::vector<SearchHit> hits; // Quran order; per aya in source order
    std::size_t total = 0;       // hits before any cap or limit
    std::size_t ayaCount = 0;    // different ayat among all hits
    bool capped = false;         // fewer hits than total were kept
};

// The full-text index of the sources in one SQLite file (FTS5 with the folding tokenizer).
// A source is indexed when it is new and again when its stamp changes; a file that is
// damaged, not a database or of another format is deleted and built anew.
class SearchIndex {
public:
    explicit SearchIndex(std::string path);
    ~SearchIndex();

    // Makes the index hold exactly these sources. A source whose texts cannot be read is left
    // out and named by takeProblems() (or, when required, throws); it is tried again at the
    // next update. cancelled, polled meanwhile, stops it with an interrupted SqliteError and
    // leaves the index as it was.
    void update(std::vector<SearchSource> sources, const std::function<bool()>& cancelled = {});
    SearchResults find(std::string_view query, const SearchOptions& options);
    std::vector<std::string> takeProblems();
    const std::string& path() const { return m_path; }

private:
    // A row's id is globalAya * kSourceSlots + source id: ids in order are Quran order.
    static constexpr std::int64_t kSourceSlots = 1024;

    struct IndexedSource {
        std::string name;
        std::string title;
        int field = 0;
        std::string stamp;
    };

    // While it lives, the index's statements stop when cancelled says so.
    class CancelScope {
    public:
        CancelScope(SearchIndex& index, const std::function<bool()>& cancelled);
        ~CancelScope();
        CancelScope(const CancelScope&) = delete;
        CancelScope& operator=(const CancelScope&) = delete;

    private:
        SearchIndex& m_index;
    };
    bool isCancelled() const;
    static int progressHandler(void* index);

    void open();
    void recreate();
    void synchronize();
    void dropSource(std::int64_t id);
    void addSource(const SearchSource& source);
    void readIndexedSources();
    SearchResults findOnce(std::string_view query, const SearchOptions& options);
    // A term and what asking the index for it costs, by estimate.
    struct TermPlan {
        const QueryTerm* term = nullptr;
        std::size_t cost = 1;
    };
    std::vector<std::int64_t> matchingRowids(const std::vector<QueryTerm>& terms, const SearchOptions& options);
    TermPlan planOf(const QueryTerm& term, bool wholeWord);
    std::vector<std::int64_t> termRowids(const TermPlan& plan, bool wholeWord);
    std::vector<std::int64_t> rowsHolding(const std::vector<std::int64_t>& rowids, const QueryTerm& term, bool wholeWord);
    std::vector<std::int64_t> matchRowids(const std::string& expression);
    // The indexed spellings that hold token (all of them, read once per index state).
    std::vector<std::string> spellingsHolding(const std::string& token);

    std::string m_path;
    std::unique_ptr<SqliteDb> m_db;
    std::vector<SearchSource> m_sources;
    std::map<std::int64_t, IndexedSource> m_indexed;
    std::string m_vocabulary;
    bool m_vocabularyRead = false;
    std::int64_t m_dataVersion = -1; // PRAGMA data_version when the sources were last read
    std::vector<std::string> m_problems;
    const std::function<bool()>* m_cancelled = nullptr;
};

// Where the index of the application folder appDir lives: a file of its own below
// $XDG_CACHE_HOME/tilvane/ (default ~/.cache/tilvane/), so that two installations do not
// take turns rebuilding one index.
std::string searchIndexPath(const std::string& appDir);

} // namespace tilvane
