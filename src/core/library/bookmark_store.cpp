#include "core/library/bookmark_store.h"

#include "core/base/utf8_check.h"
#include "core/library/bookmark_batch.h"
#include "core/quran/sura_table.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <string_view>

#include <sqlite3.h>

namespace tilvane {

namespace {

// Step i brings a file of version i to version i + 1.
constexpr std::array<std::string_view, BookmarkStore::kSchemaVersion> kMigrations = {
    "CREATE TABLE bookmark("
    " sura INTEGER NOT NULL, aya INTEGER NOT NULL,"
    " note TEXT NOT NULL DEFAULT '',"
    " created TEXT NOT NULL DEFAULT (strftime('%Y-%m-%dT%H:%M:%SZ', 'now')),"
    " PRIMARY KEY (sura, aya)) WITHOUT ROWID;"
    "CREATE TABLE topic(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);"
    "CREATE TABLE bookmark_topic("
    " sura INTEGER NOT NULL, aya INTEGER NOT NULL,"
    " topic INTEGER NOT NULL REFERENCES topic(id) ON DELETE CASCADE,"
    " PRIMARY KEY (sura, aya, topic),"
    " FOREIGN KEY (sura, aya) REFERENCES bookmark(sura, aya) ON DELETE CASCADE) WITHOUT ROWID;",
};

constexpr std::string_view kNoteSeparator = kImportedNoteSeparator;

// Topic ids by name for one transaction, made when missing.
class TopicIds {
public:
    explicit TopicIds(SqliteDb& db)
        : m_insert(db, "INSERT OR IGNORE INTO topic(name) VALUES (?1)"), m_select(db, "SELECT id FROM topic WHERE name = ?1")
    {
    }
    long long get(const std::string& name)
    {
        if (const auto found = m_ids.find(name); found != m_ids.end())
            return found->second;
        checkTopicName(name);
        m_insert.bind(1, name).run();
        m_select.bind(1, name).step();
        const long long id = m_select.int64(0);
        m_select.reset();
        return m_ids[name] = id;
    }

private:
    SqliteStatement m_insert;
    SqliteStatement m_select;
    std::map<std::string, long long> m_ids;
};

// The folder is made before SQLite opens the file inside it; notes are private, so a folder
// made here is the owner's only.
const std::string& withFolder(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty() && std::filesystem::create_directories(folder, error))
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    if (error)
        throw LibraryError(LibraryError::Kind::Unreadable, path,
                           "Cannot create the folder \"" + folder.string() + "\" (" + error.message() + ").");
    return path;
}

std::vector<std::string> topicsOf(SqliteDb& db, TQuranPos pos)
{
    SqliteStatement statement(db, "SELECT t.name FROM bookmark_topic bt JOIN topic t ON t.id = bt.topic"
                                  " WHERE bt.sura = ?1 AND bt.aya = ?2 ORDER BY t.name");
    statement.bind(1, pos.Sura).bind(2, pos.Aya);
    std::vector<std::string> names;
    while (statement.step())
        names.push_back(statement.text(0));
    return names;
}

} // namespace

void checkAyaExists(TQuranPos pos)
{
    if (globalAyaIndex(pos.Sura, pos.Aya) == 0)
        throw TilvaneError("There is no aya " + std::to_string(pos.Sura) + ":" + std::to_string(pos.Aya) + ".");
}

void checkTopicName(const std::string& name)
{
    if (name.empty() || name.find_first_not_of(' ') == std::string::npos)
        throw TilvaneError("A topic needs a name.");
    if (!isValidUtf8(name))
        throw TilvaneError("A topic name must be UTF-8 text.");
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        throw TilvaneError("A topic name cannot hold tabs or line breaks.");
    if (name == kUnsortedTopic)
        throw TilvaneError(std::string("\"") + kUnsortedTopic + "\" is kept for bookmarks without a topic.");
}

void checkNoteText(const std::string& note)
{
    if (!isValidUtf8(note))
        throw TilvaneError("A note must be UTF-8 text.");
}

std::string mergedNote(const std::string& existing, const std::string& incoming)
{
    if (incoming.empty())
        return existing;
    if (existing.empty())
        return incoming;
    // A text that is already one of the note's sections arrives only once.
    for (std::size_t start = 0;;) {
        const std::size_t end = existing.find(kNoteSeparator, start);
        if (existing.compare(start, end == std::string::npos ? std::string::npos : end - start, incoming) == 0)
            return existing;
        if (end == std::string::npos)
            break;
        start = end + kNoteSeparator.size();
    }
    return existing + std::string(kNoteSeparator) + incoming;
}

BookmarkStore::BookmarkStore(const std::string& path, int busyTimeoutMs, Access access)
    : m_readOnly(access == Access::ReadOnly || !isLibraryWritable(path)),
      m_db(openLibraryDb(m_readOnly ? path : withFolder(path), busyTimeoutMs, m_readOnly))
{
    openSchema();
}

void BookmarkStore::requireWritable() const
{
    if (m_readOnly)
        throw LibraryError(LibraryError::Kind::ReadOnly, path(), readOnlyLibraryMessage(path()));
}

void BookmarkStore::openSchema()
{
    m_db->exec("PRAGMA foreign_keys = ON");
    // Kept in the file: readers then never wait for a writer, and a crash mid-write leaves
    // the last committed state.
    if (!m_readOnly)
        SqliteStatement(*m_db, "PRAGMA journal_mode = WAL").step();
    const std::string check = [this] {
        SqliteStatement statement(*m_db, "PRAGMA quick_check");
        return statement.step() ? statement.text(0) : std::string("ok");
    }();
    if (check != "ok")
        throw LibraryError(LibraryError::Kind::Damaged, path(),
                           "The bookmark library \"" + path() + "\" is damaged (" + check + ").");
    const long long stored = m_db->queryInteger("PRAGMA user_version");
    if (stored == kSchemaVersion)
        return;
    if (m_readOnly && stored > kSchemaVersion)
        throw LibraryError(LibraryError::Kind::Newer, path(),
                           "The bookmark library \"" + path() + "\" was written by a newer version of this program.");
    if (m_readOnly)
        throw LibraryError(LibraryError::Kind::ReadOnly, path(),
                           "The bookmark library \"" + path() + "\" is read-only and of an older version; it cannot be"
                           " brought up to date.");
    SqliteTransaction transaction(*m_db);
    // Read again under the write lock: another program may have migrated meanwhile.
    const long long version = m_db->queryInteger("PRAGMA user_version");
    if (version > kSchemaVersion)
        throw LibraryError(LibraryError::Kind::Newer, path(),
                           "The bookmark library \"" + path() + "\" was written by a newer version of this program.");
    for (long long step = version; step < kSchemaVersion; ++step)
        m_db->exec(kMigrations[static_cast<std::size_t>(step)]);
    m_db->exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
    transaction.commit();
}

bool BookmarkStore::contains(TQuranPos pos)
{
    SqliteStatement statement(*m_db, "SELECT 1 FROM bookmark WHERE sura = ?1 AND aya = ?2");
    return statement.bind(1, pos.Sura).bind(2, pos.Aya).step();
}

std::optional<Bookmark> BookmarkStore::find(TQuranPos pos)
{
    SqliteStatement statement(*m_db, "SELECT note, created FROM bookmark WHERE sura = ?1 AND aya = ?2");
    if (!statement.bind(1, pos.Sura).bind(2, pos.Aya).step())
        return std::nullopt;
    return Bookmark{pos, topicsOf(*m_db, pos), statement.text(0), statement.text(1)};
}

std::vector<Bookmark> BookmarkStore::list()
{
    std::vector<Bookmark> bookmarks;
    SqliteStatement statement(*m_db, "SELECT sura, aya, note, created FROM bookmark ORDER BY sura, aya");
    while (statement.step()) {
        const TQuranPos pos{static_cast<int>(statement.int64(0)), static_cast<int>(statement.int64(1))};
        bookmarks.push_back(Bookmark{pos, {}, statement.text(2), statement.text(3)});
    }
    // One pass over all topic places, in the same order as the bookmarks.
    SqliteStatement places(*m_db, "SELECT bt.sura, bt.aya, t.name FROM bookmark_topic bt JOIN topic t ON t.id = bt.topic"
                                 " ORDER BY bt.sura, bt.aya, t.name");
    auto bookmark = bookmarks.begin();
    while (places.step()) {
        const TQuranPos pos{static_cast<int>(places.int64(0)), static_cast<int>(places.int64(1))};
        const auto before = [&pos](TQuranPos other) {
            return other.Sura < pos.Sura || (other.Sura == pos.Sura && other.Aya < pos.Aya);
        };
        while (bookmark != bookmarks.end() && before(bookmark->pos))
            ++bookmark;
        if (bookmark != bookmarks.end() && bookmark->pos == pos)
            bookmark->topics.push_back(places.text(2));
    }
    return bookmarks;
}

std::vector<int> BookmarkStore::bookmarkedAyas(int sura)
{
    SqliteStatement statement(*m_db, "SELECT aya FROM bookmark WHERE sura = ?1 ORDER BY aya");
    statement.bind(1, sura);
    std::vector<int> ayas;
    while (statement.step())
        ayas.push_back(static_cast<int>(statement.int64(0)));
    return ayas;
}

void BookmarkStore::insertBookmark(TQuranPos pos, const std::string& created)
{
    checkAyaExists(pos);
    SqliteStatement statement(*m_db, created.empty()
                                        ? "INSERT OR IGNORE INTO bookmark(sura, aya) VALUES (?1, ?2)"
                                        : "INSERT OR IGNORE INTO bookmark(sura, aya, created) VALUES (?1, ?2, ?3)");
    statement.bind(1, pos.Sura).bind(2, pos.Aya);
    if (!created.empty())
        statement.bind(3, created);
    statement.run();
}

bool BookmarkStore::add(TQuranPos pos)
{
    requireWritable();
    SqliteTransaction transaction(*m_db);
    const bool isNew = !contains(pos);
    insertBookmark(pos);
    transaction.commit();
    return isNew;
}

std::optional<Bookmark> BookmarkStore::remove(TQuranPos pos)
{
    requireWritable();
    SqliteTransaction transaction(*m_db);
    std::optional<Bookmark> removed = find(pos);
    if (removed) {
        SqliteStatement statement(*m_db, "DELETE FROM bookmark WHERE sura = ?1 AND aya = ?2");
        statement.bind(1, pos.Sura).bind(2, pos.Aya).run();
    }
    transaction.commit();
    return removed;
}

void BookmarkStore::restore(const Bookmark& bookmark)
{
    merge({}, std::vector<Bookmark>{bookmark});
}

void BookmarkStore::setNote(TQuranPos pos, const std::string& note)
{
    requireWritable();
    checkNoteText(note);
    SqliteTransaction transaction(*m_db);
    insertBookmark(pos);
    SqliteStatement statement(*m_db, "UPDATE bookmark SET note = ?3 WHERE sura = ?1 AND aya = ?2");
    statement.bind(1, pos.Sura).bind(2, pos.Aya).bind(3, note).run();
    transaction.commit();
}

std::vector<std::string> BookmarkStore::topics()
{
    SqliteStatement statement(*m_db, "SELECT name FROM topic ORDER BY name");
    std::vector<std::string> names;
    while (statement.step())
        names.push_back(statement.text(0));
    return names;
}

long long BookmarkStore::topicId(const std::string& name, bool create)
{
    if (create) {
        checkTopicName(name);
        SqliteStatement insert(*m_db, "INSERT OR IGNORE INTO topic(name) VALUES (?1)");
        insert.bind(1, name).run();
    }
    SqliteStatement statement(*m_db, "SELECT id FROM topic WHERE name = ?1");
    return statement.bind(1, name).step() ? statement.int64(0) : 0;
}

void BookmarkStore::linkTopic(TQuranPos pos, long long topic)
{
    SqliteStatement statement(*m_db, "INSERT OR IGNORE INTO bookmark_topic(sura, aya, topic) VALUES (?1, ?2, ?3)");
    statement.bind(1, pos.Sura).bind(2, pos.Aya).bind(3, topic).run();
}

void BookmarkStore::addTopic(const std::string& name)
{
    requireWritable();
    SqliteTransaction transaction(*m_db);
    topicId(name, true);
    transaction.commit();
}

void BookmarkStore::renameTopic(const std::string& from, const std::string& to)
{
    requireWritable();
    checkTopicName(to);
    SqliteTransaction transaction(*m_db);
    const long long source = topicId(from, false);
    if (source == 0)
        throw TilvaneError("There is no topic \"" + from + "\".");
    const long long target = topicId(to, false);
    if (target != 0 && target != source) {
        // Renaming onto an existing topic joins the two.
        SqliteStatement join(*m_db, "INSERT OR IGNORE INTO bookmark_topic(sura, aya, topic)"
                                   " SELECT sura, aya, ?2 FROM bookmark_topic WHERE topic = ?1");
        join.bind(1, source).bind(2, target).run();
        SqliteStatement drop(*m_db, "DELETE FROM topic WHERE id = ?1");
        drop.bind(1, source).run();
    } else {
        SqliteStatement rename(*m_db, "UPDATE topic SET name = ?2 WHERE id = ?1");
        rename.bind(1, source).bind(2, to).run();
    }
    transaction.commit();
}

void BookmarkStore::removeTopic(const std::string& name)
{
    requireWritable();
    SqliteTransaction transaction(*m_db);
    SqliteStatement statement(*m_db, "DELETE FROM topic WHERE name = ?1");
    statement.bind(1, name).run();
    transaction.commit();
}

void BookmarkStore::addToTopic(TQuranPos pos, const std::string& topic)
{
    requireWritable();
    SqliteTransaction transaction(*m_db);
    insertBookmark(pos);
    linkTopic(pos, topicId(topic, true));
    transaction.commit();
}

void BookmarkStore::moveToTopic(TQuranPos pos, const std::string& from, const std::string& to)
{
    requireWritable();
    SqliteTransaction transaction(*m_db);
    insertBookmark(pos);
    if (from != kUnsortedTopic) {
        SqliteStatement unlink(*m_db, "DELETE FROM bookmark_topic WHERE sura = ?1 AND aya = ?2 AND topic = ?3");
        unlink.bind(1, pos.Sura).bind(2, pos.Aya).bind(3, topicId(from, false)).run();
    }
    if (to != kUnsortedTopic)
        linkTopic(pos, topicId(to, true));
    transaction.commit();
}

int BookmarkStore::merge(const std::vector<std::string>& topics, const std::vector<Bookmark>& bookmarks)
{
    BookmarkBatch batch;
    for (const Bookmark& bookmark : bookmarks)
        batch.add(bookmark);
    return merge(topics, batch);
}

int BookmarkStore::merge(const std::vector<std::string>& topics, const BookmarkBatch& batch)
{
    requireWritable();
    SqliteTransaction transaction(*m_db);
    TopicIds topicIds(*m_db);
    for (const std::string& topic : topics)
        topicIds.get(topic);
    SqliteStatement insert(*m_db, "INSERT OR IGNORE INTO bookmark(sura, aya, created) VALUES (?1, ?2,"
                                  " COALESCE(NULLIF(?3, ''), strftime('%Y-%m-%dT%H:%M:%SZ', 'now')))");
    SqliteStatement link(*m_db, "INSERT OR IGNORE INTO bookmark_topic(sura, aya, topic) VALUES (?1, ?2, ?3)");
    SqliteStatement readNote(*m_db, "SELECT note FROM bookmark WHERE sura = ?1 AND aya = ?2");
    SqliteStatement writeNote(*m_db, "UPDATE bookmark SET note = ?3 WHERE sura = ?1 AND aya = ?2");
    int added = 0;
    for (const auto& [index, entry] : batch.entries()) {
        const TQuranPos pos = entry.pos;
        checkAyaExists(pos);
        insert.bind(1, pos.Sura).bind(2, pos.Aya).bind(3, entry.created).run();
        added += sqlite3_changes(m_db->handle()) > 0 ? 1 : 0;
        for (const std::string& topic : entry.topics)
            link.bind(1, pos.Sura).bind(2, pos.Aya).bind(3, topicIds.get(topic)).run();
        readNote.bind(1, pos.Sura).bind(2, pos.Aya).step();
        const std::string existing = readNote.text(0);
        readNote.reset();
        const std::string note = mergedNotes(existing, entry.notes);
        if (note != existing)
            writeNote.bind(1, pos.Sura).bind(2, pos.Aya).bind(3, note).run();
    }
    transaction.commit();
    return added;
}

} // namespace tilvane
