#include "core/library/library_file.h"

#include "core/base/errors.h"
#include "core/base/file_bytes.h"
#include "core/library/bookmark_store.h"
#include "core/quran/sura_table.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <unistd.h>

namespace tilvane {

namespace {

using nlohmann::json;

// Far beyond 6236 bookmarks with long notes; a larger file is not ours.
constexpr std::uint64_t kMaxFileBytes = 64u << 20;

json bookmarkJson(const Bookmark& bookmark)
{
    return json{{"sura", bookmark.pos.Sura}, {"aya", bookmark.pos.Aya}, {"topics", bookmark.topics},
                {"note", bookmark.note}, {"created", bookmark.created}};
}

void writeFileAtomically(const std::string& path, const std::string& bytes)
{
    const auto failure = [&path] { return TilvaneError("Unable to write to " + path); };
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        throw failure();
    // Notes are private: the file keeps mkstemp's owner-only mode.
    const bool ok = writeAllBytes(fd, bytes) && fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw failure();
    }
}

class FileChecker {
public:
    explicit FileChecker(const std::string& path) : m_path(path) {}

    [[noreturn]] void fail(const std::string& reason) const
    {
        throw TilvaneError("Cannot import \"" + m_path + "\": " + reason + ". Nothing was changed.");
    }

    const json& field(const json& object, const char* name, json::value_t type, const std::string& where) const
    {
        const auto found = object.find(name);
        if (found == object.end())
            fail(where + " has no \"" + name + "\"");
        if (found->type() != type && !(type == json::value_t::number_integer && found->is_number_unsigned()))
            fail(where + ": \"" + name + "\" has the wrong type");
        return *found;
    }

    std::vector<std::string> topicNames(const json& list, const std::string& where) const
    {
        std::vector<std::string> names;
        for (const json& name : list) {
            if (!name.is_string())
                fail(where + ": a topic name is not a text");
            try {
                checkTopicName(name.get<std::string>());
            } catch (const TilvaneError& error) {
                fail(where + ": " + error.what());
            }
            names.push_back(name.get<std::string>());
        }
        return names;
    }

    Bookmark bookmark(const json& entry, std::size_t index) const
    {
        const std::string where = "bookmark " + std::to_string(index + 1);
        if (!entry.is_object())
            fail(where + " is not an object");
        Bookmark bookmark;
        const json& sura = field(entry, "sura", json::value_t::number_integer, where);
        const json& aya = field(entry, "aya", json::value_t::number_integer, where);
        const long long suraNumber = sura.get<long long>();
        const long long ayaNumber = aya.get<long long>();
        if (suraNumber < 1 || suraNumber > kSuraCount || ayaNumber < 1 || ayaNumber > SuraTable[suraNumber].AyaCount)
            fail(where + " names no aya of the Quran");
        bookmark.pos = {static_cast<int>(suraNumber), static_cast<int>(ayaNumber)};
        if (entry.contains("topics"))
            bookmark.topics = topicNames(field(entry, "topics", json::value_t::array, where), where);
        if (entry.contains("note"))
            bookmark.note = field(entry, "note", json::value_t::string, where).get<std::string>();
        if (entry.contains("created"))
            bookmark.created = field(entry, "created", json::value_t::string, where).get<std::string>();
        return bookmark;
    }

private:
    std::string m_path;
};

} // namespace

void exportLibrary(BookmarkStore& store, const std::string& path)
{
    json bookmarks = json::array();
    for (const Bookmark& bookmark : store.list())
        bookmarks.push_back(bookmarkJson(bookmark));
    const json document{{"format", kLibraryFileFormat}, {"version", kLibraryFileVersion},
                        {"topics", store.topics()}, {"bookmarks", bookmarks}};
    writeFileAtomically(path, document.dump(2) + "\n");
}

ImportSummary importLibrary(BookmarkStore& store, const std::string& path)
{
    const FileChecker checker(path);
    const FileBytes file = readFileBytes(path, kMaxFileBytes);
    if (!file)
        throw TilvaneError("Cannot open file \"" + path + "\". " + describeReadFailure(file.failure, kMaxFileBytes));
    const json document = json::parse(file.bytes, nullptr, false);
    if (document.is_discarded())
        checker.fail("it is not a JSON file");
    if (!document.is_object() || document.value("format", json()) != kLibraryFileFormat)
        checker.fail("it is not a Tilvane bookmark file");
    const json& version = checker.field(document, "version", json::value_t::number_integer, "the file");
    if (version.get<long long>() < 1 || version.get<long long>() > kLibraryFileVersion)
        checker.fail("it has version " + version.dump() + ", this program reads version "
                     + std::to_string(kLibraryFileVersion));

    std::vector<std::string> topics;
    if (document.contains("topics"))
        topics = checker.topicNames(checker.field(document, "topics", json::value_t::array, "the file"), "the file");
    std::vector<Bookmark> bookmarks;
    const json& entries = checker.field(document, "bookmarks", json::value_t::array, "the file");
    for (std::size_t index = 0; index < entries.size(); ++index)
        bookmarks.push_back(checker.bookmark(entries[index], index));

    ImportSummary summary;
    summary.bookmarks = static_cast<int>(bookmarks.size());
    summary.topics = static_cast<int>(topics.size());
    summary.added = store.merge(topics, bookmarks);
    return summary;
}

} // namespace tilvane
