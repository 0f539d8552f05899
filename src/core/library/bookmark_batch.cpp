#include "core/library/bookmark_batch.h"

#include "core/quran/sura_table.h"

namespace tilvane {

void BookmarkBatch::add(const Bookmark& bookmark)
{
    ++m_count;
    Entry& entry = m_entries[globalAyaIndex(bookmark.pos.Sura, bookmark.pos.Aya)];
    entry.pos = bookmark.pos;
    if (entry.created.empty())
        entry.created = bookmark.created;
    for (const std::string& topic : bookmark.topics) {
        if (entry.seenTopics.insert(topic).second)
            entry.topics.push_back(topic);
    }
    if (!bookmark.note.empty() && !entry.seenNotes.contains(bookmark.note)) {
        entry.notes.push_back(bookmark.note);
        entry.seenNotes.insert(entry.notes.back());
    }
}

std::string mergedNotes(const std::string& existing, const std::deque<std::string>& incoming)
{
    const std::string_view separator = kImportedNoteSeparator;
    std::unordered_set<std::string_view> sections;
    for (std::size_t start = 0; !existing.empty();) {
        const std::size_t end = existing.find(separator, start);
        sections.insert(std::string_view(existing).substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + separator.size();
    }
    std::string result = existing;
    for (const std::string& note : incoming) {
        if (note.empty() || !sections.insert(note).second)
            continue;
        if (!result.empty())
            result += separator;
        result += note;
    }
    return result;
}

} // namespace tilvane
