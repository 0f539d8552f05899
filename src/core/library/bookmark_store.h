#pragma once

#include "core/library/library_db.h"
#include "core/quran/quran_pos.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tilvane {

// A marked aya with the topics it sits in (none: "Unsorted") and its note.
struct Bookmark {
    TQuranPos pos;
    std::vector<std::string> topics; // by name
    std::string note;                // plain text, may be empty
    std::string created;             // UTC, "YYYY-MM-DDTHH:MM:SSZ"
    bool operator==(const Bookmark&) const = default;
};

// Shown for bookmarks in no topic; no topic may take this name.
inline constexpr const char* kUnsortedTopic = "Unsorted";
// Between a note and the text an import added to it.
inline constexpr const char* kImportedNoteSeparator = "\n\n--- imported note ---\n";

class BookmarkBatch;

// The user's bookmarks, topics and notes in one SQLite file. Every change is one transaction
// that takes the write lock first, so several programs may share the file: each sees the
// others' changes and none is lost. The schema is versioned (PRAGMA user_version) and
// migrated on open; a file from a newer version is refused rather than changed.
class BookmarkStore {
public:
    static constexpr int kSchemaVersion = 1;

    enum class Access { Auto, ReadOnly };

    // Opens or creates the file (and its folder). Throws LibraryError when the file is
    // damaged, locked for longer than busyTimeoutMs, unreadable, or newer than this program.
    // A file that cannot be written (see isLibraryWritable) is opened read-only: it lists and
    // exports, and every change throws LibraryError of kind ReadOnly.
    explicit BookmarkStore(const std::string& path, int busyTimeoutMs = 2000, Access access = Access::Auto);

    const std::string& path() const { return m_db->path(); }
    bool readOnly() const { return m_readOnly; }

    bool contains(TQuranPos pos);
    std::optional<Bookmark> find(TQuranPos pos);
    // In Quran order, topics by name.
    std::vector<Bookmark> list();
    // The bookmarked ayat of one sura, ascending.
    std::vector<int> bookmarkedAyas(int sura);

    // True when the aya was not bookmarked before.
    bool add(TQuranPos pos);
    // Removes the bookmark with its note and topic places; returns what it held, for undo.
    std::optional<Bookmark> remove(TQuranPos pos);
    // Puts a removed bookmark back; a bookmark made meanwhile on that aya keeps its note
    // and gains the old topics.
    void restore(const Bookmark& bookmark);
    // Adds the bookmark when it is missing.
    void setNote(TQuranPos pos, const std::string& note);

    std::vector<std::string> topics();
    void addTopic(const std::string& name);
    void renameTopic(const std::string& from, const std::string& to);
    // The topic goes; its bookmarks stay (in their other topics or "Unsorted").
    void removeTopic(const std::string& name);
    // Adds the bookmark and the topic when they are missing.
    void addToTopic(TQuranPos pos, const std::string& topic);
    // from or to may be kUnsortedTopic (no topic).
    void moveToTopic(TQuranPos pos, const std::string& from, const std::string& to);

    // Merges bookmarks and topics in one transaction: an aya or topic already present is
    // not duplicated; a differing note keeps both texts (mergedNote). Returns how many
    // bookmarks were new.
    int merge(const std::vector<std::string>& topics, const std::vector<Bookmark>& bookmarks);
    // The same for bookmarks gathered by aya; each statement is prepared once.
    int merge(const std::vector<std::string>& topics, const BookmarkBatch& batch);

private:
    void openSchema();
    void requireWritable() const;
    void insertBookmark(TQuranPos pos, const std::string& created = {});
    long long topicId(const std::string& name, bool create);
    void linkTopic(TQuranPos pos, long long topic);

    bool m_readOnly = false;
    std::unique_ptr<SqliteDb> m_db;
};

// The note after merging incoming into existing: equal or empty texts give the other one;
// otherwise both, the incoming one below a separator line (once, however often it arrives).
std::string mergedNote(const std::string& existing, const std::string& incoming);

// Throws TilvaneError unless sura:aya exists.
void checkAyaExists(TQuranPos pos);
// Throws TilvaneError for a name that is empty, not UTF-8, has control characters or is
// "Unsorted".
void checkTopicName(const std::string& name);
// Throws TilvaneError for a note that is not UTF-8 text.
void checkNoteText(const std::string& note);

} // namespace tilvane
