#include "core/library/library_file.h"

#include "core/base/errors.h"
#include "core/base/file_bytes.h"
#include "core/base/user_file.h"
#include "core/library/bookmark_batch.h"
#include "core/library/bookmark_store.h"
#include "core/quran/sura_table.h"

#include <nlohmann/json.hpp>

#include <string_view>

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
    // Replaced, not thrown: text stored by an older version may hold bytes that are not UTF-8.
    const std::string text = document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
    // Notes are private: a new file is the owner's only.
    writeUserFile(path, text, 0600);
}

ImportSummary importLibrary(BookmarkStore& store, const std::string& path)
{
    const FileChecker checker(path);
    const FileBytes file = readFileBytes(path, kMaxFileBytes);
    if (!file)
        throw TilvaneError("Cannot open file \"" + path + "\". " + describeReadFailure(file.failure, kMaxFileBytes));

    // Each entry of "bookmarks" is checked and gathered as soon as it is parsed, then left
    // out of the document: a file of a million entries never stands in memory as a tree.
    BookmarkBatch batch;
    std::string topKey;
    bool inBookmarks = false;
    std::string firstProblem;
    const json::parser_callback_t gather = [&](int depth, json::parse_event_t event, json& parsed) {
        if (depth == 1 && event == json::parse_event_t::key) {
            topKey = parsed.get<std::string>();
        } else if (depth == 1 && (event == json::parse_event_t::array_start || event == json::parse_event_t::array_end)) {
            inBookmarks = event == json::parse_event_t::array_start && topKey == "bookmarks";
        } else if (depth == 2 && inBookmarks
                   && (event == json::parse_event_t::object_end || event == json::parse_event_t::array_end
                       || event == json::parse_event_t::value)) {
            if (firstProblem.empty()) {
                try {
                    batch.add(checker.bookmark(parsed, batch.count()));
                } catch (const TilvaneError& error) {
                    firstProblem = error.what();
                }
            }
            return false;
        }
        return true;
    };
    json document;
    try {
        document = json::parse(file.bytes, gather);
    } catch (const json::parse_error& error) {
        // "[json.exception.parse_error.101] parse error at line 1, column 2: ..." without its tag.
        const std::string_view what = error.what();
        checker.fail("it is not a JSON file (" + std::string(what.substr(what.find("] ") + 2)) + ")");
    }
    if (!document.is_object() || document.value("format", json()) != kLibraryFileFormat)
        checker.fail("it is not a Tilvane bookmark file");
    const json& version = checker.field(document, "version", json::value_t::number_integer, "the file");
    if (version.get<long long>() < 1 || version.get<long long>() > kLibraryFileVersion)
        checker.fail("it has version " + version.dump() + ", this program reads version "
                     + std::to_string(kLibraryFileVersion));

    std::vector<std::string> topics;
    if (document.contains("topics"))
        topics = checker.topicNames(checker.field(document, "topics", json::value_t::array, "the file"), "the file");
    checker.field(document, "bookmarks", json::value_t::array, "the file");
    if (!firstProblem.empty())
        throw TilvaneError(firstProblem);

    ImportSummary summary;
    summary.bookmarks = static_cast<int>(batch.count());
    summary.topics = static_cast<int>(topics.size());
    summary.added = store.merge(topics, batch);
    return summary;
}

} // namespace tilvane
