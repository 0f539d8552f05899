// Answering a query from the index: which rows hold every term, and their texts.
#include "core/search/search_index.h"

#include "core/quran/quran_pos.h"
#include "core/base/sqlite_db.h"
#include "core/search/text_fold.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <set>

namespace tilvane {

namespace {

// FTS5 checks every branch of an OR for every row, so a word found in thousands of
// spellings is asked for in groups and the groups' rows joined here.
constexpr std::size_t kTermsPerQuery = 32;

// Up to this many rows, checking a row's text for a term costs less than gathering the rows
// of a term found in many spellings (measured with tilvane-bench).
constexpr std::size_t kRowsToCheck = 4000;

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

std::string joined(const std::vector<std::string>& tokens)
{
    std::string out;
    for (const std::string& token : tokens)
        out += (out.empty() ? "" : " ") + token;
    return out;
}

std::vector<std::int64_t> intersection(const std::vector<std::int64_t>& a, const std::vector<std::int64_t>& b)
{
    std::vector<std::int64_t> out;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

TQuranPos positionOf(int globalAya)
{
    int sura = 1;
    while (sura < kSuraCount && SuraTable[sura].LastAya < globalAya)
        ++sura;
    return {sura, globalAya - SuraTable[sura].FirstAya + 1};
}

} // namespace

SearchResults SearchIndex::find(std::string_view query, const SearchOptions& options)
{
    const CancelScope scope(*this, options.cancelled);
    try {
        return findOnce(query, options);
    } catch (const SqliteError& error) {
        if (!error.damaged())
            throw;
        recreate();
        synchronize();
        return findOnce(query, options);
    }
}

SearchResults SearchIndex::findOnce(std::string_view query, const SearchOptions& options)
{
    SearchResults results;
    results.terms = parseQuery(query);
    if (results.terms.empty())
        return results;
    // Another process (the command beside the reader) may have updated the index since.
    SqliteStatement version(*m_db, "PRAGMA data_version");
    if (version.step() && version.int64(0) != m_dataVersion) {
        m_dataVersion = version.int64(0);
        readIndexedSources();
        m_vocabularyRead = false;
    }
    std::vector<std::int64_t> rowids = matchingRowids(results.terms, options);
    results.total = rowids.size();
    std::set<std::int64_t> ayat;
    for (std::int64_t rowid : rowids)
        ayat.insert(rowid / kSourceSlots);
    results.ayaCount = ayat.size();

    std::size_t keep = rowids.size();
    if (isSingleLetterQuery(results.terms))
        keep = std::min(keep, kSingleLetterCap);
    if (options.limit > 0)
        keep = std::min(keep, options.limit);
    results.capped = keep < rowids.size();
    SqliteStatement body(*m_db, "SELECT body FROM docs WHERE id = ?1");
    for (std::size_t k = 0; k < keep; ++k) {
        const std::int64_t rowid = rowids[k];
        const IndexedSource& source = m_indexed.at(rowid % kSourceSlots);
        const TQuranPos position = positionOf(static_cast<int>(rowid / kSourceSlots));
        body.bind(1, rowid);
        SearchHit hit{position.Sura, position.Aya, source.field, source.title, {}};
        if (body.step())
            hit.text = body.text(0);
        body.reset();
        results.hits.push_back(std::move(hit));
    }
    return results;
}

// The rows holding every term, in the fields and scope asked for. The cheapest term is asked
// of the index; a term found in many spellings (a short part of a word) is then checked in
// the few rows left rather than gathered from the whole index.
std::vector<std::int64_t> SearchIndex::matchingRowids(const std::vector<QueryTerm>& terms, const SearchOptions& options)
{
    std::vector<TermPlan> plans;
    for (const QueryTerm& term : terms)
        plans.push_back(planOf(term, options.wholeWord));
    std::stable_sort(plans.begin(), plans.end(), [](const TermPlan& a, const TermPlan& b) { return a.cost < b.cost; });
    std::vector<std::int64_t> rowids;
    for (std::size_t k = 0; k < plans.size(); ++k) {
        if (k > 0 && plans[k].cost > 1 && rowids.size() <= kRowsToCheck) {
            rowids = rowsHolding(rowids, *plans[k].term, options.wholeWord);
        } else {
            std::vector<std::int64_t> found = termRowids(plans[k], options.wholeWord);
            rowids = k == 0 ? std::move(found) : intersection(rowids, found);
        }
        if (k == 0) {
            std::erase_if(rowids, [&](std::int64_t rowid) {
                const auto source = m_indexed.find(rowid % kSourceSlots);
                const auto aya = static_cast<int>(rowid / kSourceSlots);
                return source == m_indexed.end() || (source->second.field & options.fields) == 0
                    || aya < options.firstAya || aya > options.lastAya;
            });
        }
        if (rowids.empty())
            break;
    }
    return rowids;
}

// Words and phrases are one question to the index; a part of a word costs more the shorter it
// is, as more spellings hold it.
SearchIndex::TermPlan SearchIndex::planOf(const QueryTerm& term, bool wholeWord)
{
    if (wholeWord || term.phrase)
        return {&term, 1};
    const std::size_t letters = codePointCount(term.tokens.front());
    return {&term, letters == 1 ? std::numeric_limits<std::size_t>::max() : 1'000'000 / letters};
}

std::vector<std::int64_t> SearchIndex::rowsHolding(const std::vector<std::int64_t>& rowids, const QueryTerm& term,
                                                   bool wholeWord)
{
    std::vector<std::int64_t> held;
    SqliteStatement body(*m_db, "SELECT body FROM docs WHERE id = ?1");
    for (std::int64_t rowid : rowids) {
        if (isCancelled())
            throw SqliteError("The search was stopped.", SQLITE_INTERRUPT);
        body.bind(1, rowid);
        if (body.step() && textHoldsTerm(body.text(0), term, wholeWord))
            held.push_back(rowid);
        body.reset();
    }
    return held;
}

std::vector<std::int64_t> SearchIndex::termRowids(const TermPlan& plan, bool wholeWord)
{
    const QueryTerm& term = *plan.term;
    if (wholeWord)
        return matchRowids(quoted(joined(term.tokens)));
    if (term.phrase || codePointCount(term.tokens.front()) == 1)
        return matchRowids(quoted(joined(term.tokens)) + " *");
    // Any part of a word: every indexed spelling that holds the token.
    std::vector<std::int64_t> rowids;
    std::string expression;
    std::size_t inExpression = 0;
    auto flush = [&] {
        if (inExpression == 0)
            return;
        std::vector<std::int64_t> found = matchRowids(expression);
        std::vector<std::int64_t> merged;
        std::set_union(rowids.begin(), rowids.end(), found.begin(), found.end(), std::back_inserter(merged));
        rowids.swap(merged);
        expression.clear();
        inExpression = 0;
    };
    for (const std::string& spelling : spellingsHolding(term.tokens.front())) {
        expression += (inExpression == 0 ? "" : " OR ") + quoted(spelling);
        if (++inExpression == kTermsPerQuery)
            flush();
    }
    flush();
    return rowids;
}

std::vector<std::int64_t> SearchIndex::matchRowids(const std::string& expression)
{
    std::vector<std::int64_t> rowids;
    SqliteStatement match(*m_db, "SELECT rowid FROM words WHERE words MATCH ?1 ORDER BY rowid");
    match.bind(1, expression);
    while (match.step())
        rowids.push_back(match.int64(0));
    return rowids;
}

std::vector<std::string> SearchIndex::spellingsHolding(const std::string& token)
{
    if (!m_vocabularyRead) {
        // All indexed spellings in one text, each between line ends, searched with memmem.
        m_vocabulary.assign(1, '\n');
        m_db->exec("CREATE VIRTUAL TABLE IF NOT EXISTS temp.vocabulary USING fts5vocab(main, words, row)");
        SqliteStatement terms(*m_db, "SELECT term FROM temp.vocabulary");
        while (terms.step()) {
            m_vocabulary += terms.text(0);
            m_vocabulary += '\n';
        }
        m_vocabularyRead = true;
    }
    std::vector<std::string> spellings;
    const char* text = m_vocabulary.data();
    std::size_t at = 0;
    while (at < m_vocabulary.size()) {
        const void* hit = memmem(text + at, m_vocabulary.size() - at, token.data(), token.size());
        if (hit == nullptr)
            break;
        const auto found = static_cast<std::size_t>(static_cast<const char*>(hit) - text);
        const std::size_t begin = m_vocabulary.rfind('\n', found) + 1;
        const std::size_t end = m_vocabulary.find('\n', found);
        spellings.push_back(m_vocabulary.substr(begin, end - begin));
        at = end;
    }
    return spellings;
}

} // namespace tilvane
