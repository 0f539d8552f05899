#pragma once

#include "core/search/search_types.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tilvane {

class SqliteDb;

// Answers queries from an index's tables: which rows hold every term, in which order, and
// what to offer when none does. Reads what the index wrote; the index tells it when the
// words it holds have changed.
class SearchFinder {
public:
    SearchFinder(SqliteDb& db, const std::map<std::int64_t, IndexedSource>& indexed);

    SearchResults find(std::string_view query, const SearchOptions& options);
    // The words the index holds have changed: the list of spellings is read again when needed.
    void forgetVocabulary() { m_vocabularyRead = false; }

private:
    // A term and what asking the index for it costs, by estimate.
    struct TermPlan {
        const QueryTerm* term = nullptr;
        std::size_t cost = 1;
    };
    std::vector<std::int64_t> matchingRowids(const std::vector<QueryTerm>& terms, const SearchOptions& options);
    bool inScope(std::int64_t rowid, const SearchOptions& options) const;
    TermPlan planOf(const QueryTerm& term, bool wholeWord);
    std::vector<std::int64_t> termRowids(const TermPlan& plan, bool wholeWord);
    std::vector<std::int64_t> rowsHolding(const std::vector<std::int64_t>& rowids,
                                          const std::vector<const QueryTerm*>& terms, const SearchOptions& options);
    std::vector<std::int64_t> matchRowids(const std::string& expression);
    void readVocabulary();
    // The indexed spellings that hold token (all of them, read once per index state).
    std::vector<std::string> spellingsHolding(const std::string& token);
    std::vector<std::string> suggestionsFor(const std::vector<QueryTerm>& terms);
    void collectForms(SearchResults& results) const;

    SqliteDb& m_db;
    const std::map<std::int64_t, IndexedSource>& m_indexed;
    std::string m_vocabulary;           // every indexed spelling, each between line ends
    std::vector<std::uint32_t> m_rowsOf; // per spelling in m_vocabulary: in how many rows it stands
    bool m_vocabularyRead = false;
};

} // namespace tilvane
