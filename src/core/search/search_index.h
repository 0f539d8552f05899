#pragma once

#include "core/search/search_types.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

class SearchFinder;
class SqliteDb;

// The full-text index of the sources in one SQLite file (FTS5 with the folding tokenizer).
// A source is indexed when it is new and again when its stamp changes; a file that is
// damaged, not a database, of another format, missing one of its tables or made with another
// tokenizer is deleted and built anew.
class SearchIndex {
public:
    // The most texts one index holds; any more are left out and named by takeProblems().
    static constexpr std::size_t kMaxSources = kSourceSlots;

    explicit SearchIndex(std::string path);
    ~SearchIndex();

    // Makes the index hold exactly these sources. A source whose texts cannot be read is left
    // out and named by takeProblems() (or, when required, throws); it is tried again at the
    // next update. cancelled, polled meanwhile, stops it with an interrupted SqliteError and
    // leaves the index as it was.
    void update(std::vector<SearchSource> sources, const std::function<bool()>& cancelled = {});
    // Throws SearchQueryError for a query that cannot be asked.
    SearchResults find(std::string_view query, const SearchOptions& options);
    std::vector<std::string> takeProblems();
    const std::string& path() const { return m_path; }

private:
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
    void checkTables();
    void recreate();
    void synchronize();
    void dropSource(std::int64_t id);
    void addSource(const SearchSource& source);
    void readIndexedSources();
    void readIndexedSourcesIfChanged();

    std::string m_path;
    std::unique_ptr<SqliteDb> m_db;
    std::unique_ptr<SearchFinder> m_finder;
    std::vector<SearchSource> m_sources;
    std::map<std::int64_t, IndexedSource> m_indexed;
    std::int64_t m_dataVersion = -1; // PRAGMA data_version when the sources were last read
    std::vector<std::string> m_problems;
    const std::function<bool()>* m_cancelled = nullptr;
};

// Where the index of the application folder appDir lives: a file of its own below
// $XDG_CACHE_HOME/tilvane/ (default ~/.cache/tilvane/), so that two installations do not
// take turns rebuilding one index.
std::string searchIndexPath(const std::string& appDir);

} // namespace tilvane
