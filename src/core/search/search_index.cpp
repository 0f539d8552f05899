#include "core/search/search_index.h"

#include "core/search/fold_tokenizer.h"
#include "core/search/search_db.h"
#include "core/search/search_finder.h"
#include "core/search/root_lexicon.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace tilvane {

namespace {

// Bump when the tokenizer, the tables or the reading of roots change: an index of another
// format is rebuilt (its roots table holds the roots as the reader of its day read them).
constexpr char kFormat[] = "4";

constexpr char kSchema[] = R"(
CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE sources(id INTEGER PRIMARY KEY, name TEXT UNIQUE NOT NULL, title TEXT NOT NULL,
                     field INTEGER NOT NULL, stamp TEXT NOT NULL);
CREATE TABLE docs(id INTEGER PRIMARY KEY, body TEXT NOT NULL);
CREATE VIRTUAL TABLE words USING fts5(body, content='docs', content_rowid='id', tokenize='tilvane_fold');
CREATE TABLE roots(word TEXT PRIMARY KEY, root TEXT NOT NULL) WITHOUT ROWID;
)";

// The tables an index of this format holds, and the start of each one's definition.
struct TableShape {
    const char* name;
    const char* definition;
};
constexpr TableShape kTables[] = {
    {"meta", "CREATE TABLE meta("},
    {"sources", "CREATE TABLE sources("},
    {"docs", "CREATE TABLE docs("},
    {"words", "CREATE VIRTUAL TABLE words USING fts5(body, content='docs', content_rowid='id', tokenize='tilvane_fold')"},
    {"roots", "CREATE TABLE roots("},
};

SqliteError otherFormat()
{
    return SqliteError("another format", SQLITE_NOTADB);
}

} // namespace

SearchIndex::CancelScope::CancelScope(SearchIndex& index, const std::function<bool()>& cancelled) : m_index(index)
{
    m_index.m_cancelled = cancelled ? &cancelled : nullptr;
}

SearchIndex::CancelScope::~CancelScope()
{
    m_index.m_cancelled = nullptr;
}

bool SearchIndex::isCancelled() const
{
    return m_cancelled != nullptr && (*m_cancelled)();
}

int SearchIndex::progressHandler(void* index)
{
    return static_cast<const SearchIndex*>(index)->isCancelled() ? 1 : 0;
}

SearchIndex::SearchIndex(std::string path) : m_path(std::move(path))
{
    open();
}

SearchIndex::~SearchIndex() = default;

void SearchIndex::open()
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
    try {
        m_db = openSearchDb(m_path);
        registerFoldTokenizer(*m_db, &m_roots);
        sqlite3_progress_handler(m_db->handle(), 1000, &SearchIndex::progressHandler, this);
        // The index can always be built again: a write need not wait for the disk.
        m_db->exec("PRAGMA synchronous = OFF");
        // Indexing all texts touches tens of megabytes; a larger page cache halves its writes.
        m_db->exec("PRAGMA cache_size = -32768");
        if (m_db->queryInteger("SELECT count(*) FROM sqlite_master") == 0) {
            SqliteTransaction transaction(*m_db);
            m_db->exec(std::string(kSchema) + "INSERT INTO meta VALUES('format', '" + kFormat + "')");
            transaction.commit();
        } else {
            checkTables();
        }
        readIndexedSources();
        readRoots();
        m_finder = std::make_unique<SearchFinder>(*m_db, m_indexed, m_roots);
    } catch (const SqliteError& error) {
        if (!error.damaged())
            throw;
        recreate();
    }
}

// A file of another format, one whose tables were dropped or altered, or one indexed with
// another tokenizer is no index of ours: it is damaged as far as search is concerned.
void SearchIndex::checkTables()
{
    for (const TableShape& table : kTables) {
        SqliteStatement definition(*m_db, "SELECT sql FROM sqlite_master WHERE name = ?1");
        definition.bind(1, std::string_view(table.name));
        if (!definition.step() || !definition.text(0).starts_with(table.definition))
            throw otherFormat();
    }
    SqliteStatement format(*m_db, "SELECT value FROM meta WHERE key = 'format'");
    if (!format.step() || format.text(0) != kFormat)
        throw otherFormat();
}

void SearchIndex::recreate()
{
    m_finder.reset();
    m_db.reset();
    m_indexed.clear();
    m_roots.reset();
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        std::error_code ignored;
        std::filesystem::remove(m_path + suffix, ignored);
    }
    open();
}

void SearchIndex::readIndexedSources()
{
    m_indexed.clear();
    SqliteStatement rows(*m_db, "SELECT id, name, title, field, stamp FROM sources");
    while (rows.step())
        m_indexed[rows.int64(0)] = {rows.text(1), rows.text(2), static_cast<int>(rows.int64(3)), rows.text(4)};
}

void SearchIndex::update(std::vector<SearchSource> sources, const std::function<bool()>& cancelled)
{
    const CancelScope scope(*this, cancelled);
    m_sources = std::move(sources);
    try {
        synchronize();
    } catch (const SqliteError& error) {
        if (!error.damaged())
            throw;
        recreate();
        synchronize();
    }
}

// One transaction for the whole update: another process updating the same index waits for it
// and then sees its sources, and an update that fails leaves the index as it was.
void SearchIndex::synchronize()
{
    try {
        SqliteTransaction transaction(*m_db);
        readIndexedSources();
        std::vector<std::int64_t> stale;
        for (const auto& [id, indexed] : m_indexed) {
            const bool current = std::any_of(m_sources.begin(), m_sources.end(), [&](const SearchSource& source) {
                return source.name == indexed.name && source.title == indexed.title && source.field == indexed.field
                    && source.stamp == indexed.stamp;
            });
            if (!current)
                stale.push_back(id);
        }
        for (std::int64_t id : stale)
            dropSource(id);
        for (const SearchSource& source : m_sources) {
            const bool indexed = std::any_of(m_indexed.begin(), m_indexed.end(),
                                             [&](const auto& entry) { return entry.second.name == source.name; });
            if (!indexed)
                addSource(source);
        }
        transaction.commit();
    } catch (...) {
        if (m_finder)
            m_finder->forgetVocabulary();
        try {
            readIndexedSources();
            readRoots();
        } catch (const SqliteError&) {
            m_indexed.clear(); // the error below tells what happened
        }
        throw;
    }
}

void SearchIndex::dropSource(std::int64_t id)
{
    m_finder->forgetVocabulary();
    // An external-content index forgets a row only when told what the row held.
    SqliteStatement forget(*m_db, "INSERT INTO words(words, rowid, body) SELECT 'delete', id, body FROM docs "
                                  "WHERE id % ?2 = ?1");
    forget.bind(1, id).bind(2, kSourceSlots).step();
    SqliteStatement remove(*m_db, "DELETE FROM docs WHERE id % ?2 = ?1");
    remove.bind(1, id).bind(2, kSourceSlots).step();
    SqliteStatement source(*m_db, "DELETE FROM sources WHERE id = ?1");
    source.bind(1, id).step();
    m_indexed.erase(id);
}

void SearchIndex::addSource(const SearchSource& source)
{
    std::int64_t id = 0;
    while (m_indexed.contains(id))
        ++id;
    if (id >= kSourceSlots) {
        m_problems.push_back("The text \"" + source.title + "\" is left out of search: it searches at most "
                             + std::to_string(kMaxSources) + " texts.");
        return;
    }
    std::vector<std::string> texts;
    try {
        texts = source.ayaTexts();
    } catch (const TilvaneError& error) {
        if (source.required)
            throw;
        m_problems.push_back(error.what());
        return;
    }
    m_finder->forgetVocabulary();
    if (source.field == kFieldArabic)
        writeRoots(texts);
    SqliteStatement doc(*m_db, "INSERT INTO docs(id, body) VALUES(?1, ?2)");
    SqliteStatement word(*m_db, "INSERT INTO words(rowid, body) VALUES(?1, ?2)");
    for (std::size_t k = 0; k < texts.size() && k < static_cast<std::size_t>(kAyaCount); ++k) {
        if (texts[k].empty())
            continue;
        const std::int64_t rowid = static_cast<std::int64_t>(k + 1) * kSourceSlots + id;
        doc.bind(1, rowid).bind(2, texts[k]).step();
        doc.reset();
        word.bind(1, rowid).bind(2, texts[k]).step();
        word.reset();
    }
    SqliteStatement row(*m_db, "INSERT INTO sources(id, name, title, field, stamp) VALUES(?1, ?2, ?3, ?4, ?5)");
    row.bind(1, id).bind(2, source.name).bind(3, source.title).bind(4, source.field).bind(5, source.stamp).step();
    m_indexed[id] = {source.name, source.title, source.field, source.stamp};
}

void SearchIndex::readIndexedSourcesIfChanged()
{
    // Another process (the command beside the reader) may have updated the index since.
    SqliteStatement version(*m_db, "PRAGMA data_version");
    if (version.step() && version.int64(0) != m_dataVersion) {
        m_dataVersion = version.int64(0);
        readIndexedSources();
        readRoots();
        m_finder->forgetVocabulary();
    }
}

void SearchIndex::readRoots()
{
    RootLexicon::Roots roots;
    SqliteStatement rows(*m_db, "SELECT word, root FROM roots");
    while (rows.step())
        roots.emplace(rows.text(0), rows.text(1));
    m_roots = roots.empty() ? nullptr : std::make_shared<const RootLexicon>(std::move(roots));
}

// The Arabic text's words are read as a whole before its rows are tokenized under them.
void SearchIndex::writeRoots(const std::vector<std::string>& arabicTexts)
{
    auto lexicon = std::make_shared<const RootLexicon>(RootLexicon::derive(arabicTexts));
    m_db->exec("DELETE FROM roots");
    SqliteStatement insert(*m_db, "INSERT INTO roots(word, root) VALUES(?1, ?2)");
    for (const auto& [word, root] : lexicon->roots()) {
        insert.bind(1, word).bind(2, root).step();
        insert.reset();
    }
    m_roots = lexicon->empty() ? nullptr : std::move(lexicon);
}

SearchResults SearchIndex::find(std::string_view query, const SearchOptions& options)
{
    const CancelScope scope(*this, options.cancelled);
    try {
        readIndexedSourcesIfChanged();
        return m_finder->find(query, options);
    } catch (const SqliteError& error) {
        if (!error.damaged())
            throw;
        recreate();
        synchronize();
        return m_finder->find(query, options);
    }
}

std::vector<std::string> SearchIndex::takeProblems()
{
    std::vector<std::string> problems;
    problems.swap(m_problems);
    return problems;
}

std::string searchIndexPath(const std::string& appDir)
{
    std::string cache;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg != nullptr && xdg[0] == '/')
        cache = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        cache = std::string(home) + "/.cache";
    else
        cache = std::filesystem::temp_directory_path().string();
    // FNV-1a of the folder's path names the file.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : appDir)
        hash = (hash ^ c) * 1099511628211ull;
    char name[40];
    std::snprintf(name, sizeof name, "search-%016llx.sqlite", static_cast<unsigned long long>(hash));
    return cache + "/tilvane/" + name;
}

} // namespace tilvane
