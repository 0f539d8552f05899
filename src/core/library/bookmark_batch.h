#pragma once

#include "core/library/bookmark_store.h"

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tilvane {

// Bookmarks on their way into a store, gathered by aya: however many entries name one aya,
// the store meets that aya once, with every topic and every distinct note they bring. So an
// import costs in proportion to the ayat it touches, not to the entries of its file.
class BookmarkBatch {
public:
    struct Entry {
        TQuranPos pos;
        std::vector<std::string> topics; // each once, in the order first given
        std::string created;             // the first one given
        std::deque<std::string> notes;   // each distinct non-empty note once, in order
        std::unordered_set<std::string_view> seenNotes; // views of notes (a deque never moves them)
        std::unordered_set<std::string> seenTopics;
    };

    BookmarkBatch() = default;
    BookmarkBatch(const BookmarkBatch&) = delete;
    BookmarkBatch& operator=(const BookmarkBatch&) = delete;

    void add(const Bookmark& bookmark);
    // How many entries were added, before gathering.
    std::size_t count() const { return m_count; }
    // In Quran order.
    const std::map<int, Entry>& entries() const { return m_entries; }

private:
    std::map<int, Entry> m_entries; // by global aya index
    std::size_t m_count = 0;
};

// existing after merging each of incoming in turn, as mergedNote merges one note: a text
// already among the note's sections arrives only once. Linear in the texts' length.
std::string mergedNotes(const std::string& existing, const std::deque<std::string>& incoming);

} // namespace tilvane
