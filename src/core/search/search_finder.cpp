#include "core/search/search_finder.h"

#include "core/base/sqlite_db.h"
#include "core/quran/quran_pos.h"
#include "core/search/indexed_words.h"
#include "core/search/search_rank.h"
#include "core/search/search_suggest.h"
#include "core/search/text_fold.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <future>
#include <iterator>
#include <limits>
#include <set>
#include <thread>

namespace tilvane {

namespace {

// FTS5 checks every branch of an OR for every row, so a word found in thousands of
// spellings is asked for in groups and the groups' rows joined here.
constexpr std::size_t kTermsPerQuery = 32;

// Up to this many rows, checking a row's text for a term costs less than gathering the rows
// of a term found in many spellings (measured with tilvane-bench).
constexpr std::size_t kRowsToCheck = 4000;
// Fewer rows are checked on one thread: starting another costs more than they do.
constexpr std::size_t kRowsPerWorker = 500;

// Ordering by relevance reads every hit's text; past this many the first ones are ranked.
constexpr std::size_t kRowsToRank = 20000;

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

std::vector<std::int64_t> united(const std::vector<std::int64_t>& a, const std::vector<std::int64_t>& b)
{
    std::vector<std::int64_t> out;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

TQuranPos positionOf(int globalAya)
{
    int sura = 1;
    while (sura < kSuraCount && SuraTable[sura].LastAya < globalAya)
        ++sura;
    return {sura, globalAya - SuraTable[sura].FirstAya + 1};
}

std::vector<QueryTerm> termsOf(std::string_view query, SearchMode mode)
{
    switch (mode) {
    case SearchMode::Root:
        return parseRootQuery(query);
    case SearchMode::Stem:
        return parseStemQuery(query);
    default:
        return parseQuery(query);
    }
}

void checkCancelled(const SearchOptions& options)
{
    if (options.cancelled && options.cancelled())
        throw SqliteError("The search was stopped.", SQLITE_INTERRUPT);
}

// One read of the file for a whole query: without it SQLite takes and checks its lock again
// for every row read, which costs more than reading the row.
class ReadSnapshot {
public:
    explicit ReadSnapshot(SqliteDb& db) : m_db(db)
    {
        m_open = sqlite3_get_autocommit(m_db.handle()) != 0;
        if (m_open)
            m_db.exec("BEGIN");
    }
    ~ReadSnapshot()
    {
        if (m_open)
            sqlite3_exec(m_db.handle(), "COMMIT", nullptr, nullptr, nullptr);
    }
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    SqliteDb& m_db;
    bool m_open = false;
};

} // namespace

SearchFinder::SearchFinder(SqliteDb& db, const std::map<std::int64_t, IndexedSource>& indexed,
                           const std::shared_ptr<const RootLexicon>& roots)
    : m_db(db), m_indexed(indexed), m_roots(roots)
{
}

SearchResults SearchFinder::find(std::string_view query, const SearchOptions& options)
{
    SearchResults results;
    results.terms = termsOf(query, options.mode);
    const ReadSnapshot snapshot(m_db);
    results.roots = m_roots;
    if (results.terms.empty())
        return results;
    std::vector<std::int64_t> rowids = matchingRowids(results.terms, options);
    results.total = rowids.size();
    std::set<std::int64_t> ayat;
    for (std::int64_t rowid : rowids)
        ayat.insert(rowid / kSourceSlots);
    results.ayaCount = ayat.size();
    if (rowids.empty() && options.mode == SearchMode::Words)
        results.suggestions = suggestionsFor(results.terms);

    std::size_t keep = rowids.size();
    if (isSingleLetterQuery(results.terms))
        keep = std::min(keep, kSingleLetterCap);
    if (options.limit > 0)
        keep = std::min(keep, options.limit);
    results.capped = keep < rowids.size();
    const bool ranked = options.order == SearchOrder::Relevance;
    const std::size_t read = ranked ? std::max(keep, std::min(rowids.size(), kRowsToRank)) : keep;
    SqliteStatement body(m_db, "SELECT body FROM docs WHERE id = ?1");
    for (std::size_t k = 0; k < read; ++k) {
        const std::int64_t rowid = rowids[k];
        const IndexedSource& source = m_indexed.at(rowid % kSourceSlots);
        const TQuranPos position = positionOf(static_cast<int>(rowid / kSourceSlots));
        body.bind(1, rowid);
        SearchHit hit{position.Sura, position.Aya, source.field, source.name, source.title, {}};
        if (body.step())
            hit.text = body.text(0);
        body.reset();
        results.hits.push_back(std::move(hit));
    }
    if (ranked) {
        rankByRelevance(results.hits, results.terms, options, m_roots.get());
        results.hits.resize(keep);
    }
    if (options.mode != SearchMode::Words)
        collectForms(results);
    return results;
}

bool SearchFinder::inScope(std::int64_t rowid, const SearchOptions& options) const
{
    const auto source = m_indexed.find(rowid % kSourceSlots);
    const auto aya = static_cast<int>(rowid / kSourceSlots);
    if (source == m_indexed.end() || (source->second.field & options.fields) == 0 || aya < options.firstAya
        || aya > options.lastAya)
        return false;
    return options.allTexts
        || std::find(options.activeSources.begin(), options.activeSources.end(), source->second.name)
        != options.activeSources.end();
}

// The rows holding every term, in the fields and scope asked for. The cheapest term is asked
// of the index; a term found in many spellings (a short part of a word) is then checked in
// the few rows left rather than gathered from the whole index.
std::vector<std::int64_t> SearchFinder::matchingRowids(const std::vector<QueryTerm>& terms, const SearchOptions& options)
{
    std::vector<TermPlan> plans;
    for (const QueryTerm& term : terms)
        plans.push_back(planOf(term, options.wholeWord));
    std::stable_sort(plans.begin(), plans.end(), [](const TermPlan& a, const TermPlan& b) { return a.cost < b.cost; });
    std::vector<std::int64_t> rowids;
    for (std::size_t k = 0; k < plans.size(); ++k) {
        if (k > 0 && plans[k].cost > 1 && rowids.size() <= kRowsToCheck) {
            // The terms left are dearer still (the plans are in order): each row's text is
            // read once for all of them.
            std::vector<const QueryTerm*> left;
            for (std::size_t rest = k; rest < plans.size(); ++rest)
                left.push_back(plans[rest].term);
            return rowsHolding(rowids, left, options);
        } else {
            std::vector<std::int64_t> found = termRowids(plans[k], options.wholeWord);
            rowids = k == 0 ? std::move(found) : intersection(rowids, found);
        }
        if (k == 0)
            std::erase_if(rowids, [&](std::int64_t rowid) { return !inScope(rowid, options); });
        if (rowids.empty())
            break;
    }
    return rowids;
}

// Words, phrases, roots and stems are one question to the index; a part of a word costs more
// the shorter it is, as more spellings hold it.
SearchFinder::TermPlan SearchFinder::planOf(const QueryTerm& term, bool wholeWord)
{
    if (wholeWord || term.phrase || term.marked)
        return {&term, 1};
    const std::size_t letters = codePointCount(term.tokens.front());
    return {&term, letters == 1 ? std::numeric_limits<std::size_t>::max() : 1'000'000 / letters};
}

std::vector<std::int64_t> SearchFinder::rowsHolding(const std::vector<std::int64_t>& rowids,
                                                    const std::vector<const QueryTerm*>& terms,
                                                    const SearchOptions& options)
{
    std::vector<std::string> bodies;
    bodies.reserve(rowids.size());
    SqliteStatement body(m_db, "SELECT body FROM docs WHERE id = ?1");
    for (std::int64_t rowid : rowids) {
        checkCancelled(options);
        body.bind(1, rowid);
        bodies.push_back(body.step() ? body.text(0) : std::string());
        body.reset();
    }
    // Each row is read on its own, so the rows are shared out among the processor's cores:
    // a long query of short word parts reads a few thousand of them. Every worker takes
    // every n-th row, as the rows of one text (one length) stand together.
    std::vector<char> holds(rowids.size());
    const std::size_t workers = std::clamp<std::size_t>(rowids.size() / kRowsPerWorker, 1,
                                                        std::max(1u, std::thread::hardware_concurrency()));
    const auto check = [&](std::size_t first) {
        for (std::size_t k = first; k < rowids.size(); k += workers)
            holds[k] = textHoldsTerms(bodies[k], terms, options.wholeWord, m_roots.get());
    };
    std::vector<std::future<void>> others;
    for (std::size_t first = 1; first < workers; ++first)
        others.push_back(std::async(std::launch::async, check, first));
    check(0);
    for (std::future<void>& other : others)
        other.get();
    checkCancelled(options);
    std::vector<std::int64_t> held;
    for (std::size_t k = 0; k < rowids.size(); ++k) {
        if (holds[k])
            held.push_back(rowids[k]);
    }
    return held;
}

std::vector<std::int64_t> SearchFinder::termRowids(const TermPlan& plan, bool wholeWord)
{
    const QueryTerm& term = *plan.term;
    if (term.phrase && !wholeWord)
        return matchRowids(quoted(joined(term.tokens)) + " *");
    if (term.phrase || term.marked)
        return matchRowids(quoted(joined(term.tokens)));
    std::vector<std::int64_t> rowids;
    std::string expression;
    std::size_t inExpression = 0;
    auto flush = [&] {
        if (inExpression == 0)
            return;
        rowids = united(rowids, matchRowids(expression));
        expression.clear();
        inExpression = 0;
    };
    auto add = [&](const std::string& piece) {
        expression += (inExpression == 0 ? "" : " OR ") + piece;
        if (++inExpression == kTermsPerQuery)
            flush();
    };
    for (const std::string& spelling : term.spellings) {
        if (wholeWord)
            add(quoted(spelling));
        else if (codePointCount(spelling) == 1)
            add(quoted(spelling) + " *");
        else
            // Any part of a word: every indexed spelling that holds the token.
            for (const std::string& holding : spellingsHolding(spelling))
                add(quoted(holding));
    }
    flush();
    return rowids;
}

std::vector<std::int64_t> SearchFinder::matchRowids(const std::string& expression)
{
    std::vector<std::int64_t> rowids;
    SqliteStatement match(m_db, "SELECT rowid FROM words WHERE words MATCH ?1 ORDER BY rowid");
    match.bind(1, expression);
    while (match.step())
        rowids.push_back(match.int64(0));
    return rowids;
}

void SearchFinder::readVocabulary()
{
    if (m_vocabularyRead)
        return;
    m_vocabulary.assign(1, '\n');
    m_rowsOf.clear();
    m_db.exec("CREATE VIRTUAL TABLE IF NOT EXISTS temp.vocabulary USING fts5vocab(main, words, row)");
    SqliteStatement terms(m_db, "SELECT term, doc FROM temp.vocabulary");
    while (terms.step()) {
        const std::string term = terms.text(0);
        // Roots and stems are asked for as whole tokens, never as parts of a word.
        if (isMarkedToken(term))
            continue;
        m_vocabulary += term;
        m_vocabulary += '\n';
        m_rowsOf.push_back(static_cast<std::uint32_t>(terms.int64(1)));
    }
    m_vocabularyRead = true;
}

std::vector<std::string> SearchFinder::spellingsHolding(const std::string& token)
{
    readVocabulary();
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

std::vector<std::string> SearchFinder::suggestionsFor(const std::vector<QueryTerm>& terms)
{
    readVocabulary();
    return nearestWords(m_vocabulary, m_rowsOf, terms);
}

// The words of the hits that a root or stem query matched, as written, each with the hits
// holding it (a form twice in one aya counts once there).
void SearchFinder::collectForms(SearchResults& results) const
{
    std::map<std::string, std::vector<std::size_t>> holding;
    for (std::size_t k = 0; k < results.hits.size(); ++k) {
        const std::string& text = results.hits[k].text;
        for (const TextMark& mark : matchMarks(text, results.terms, true, m_roots.get())) {
            std::vector<std::size_t>& hits = holding[wordAsWritten(std::string_view(text).substr(mark.begin, mark.end - mark.begin))];
            if (hits.empty() || hits.back() != k)
                hits.push_back(k);
        }
    }
    for (auto& [form, hits] : holding)
        results.forms.push_back({form, std::move(hits)});
    std::stable_sort(results.forms.begin(), results.forms.end(),
                     [](const FoundForm& a, const FoundForm& b) { return a.count() > b.count(); });
}

} // namespace tilvane
