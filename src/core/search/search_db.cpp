#include "core/search/search_db.h"

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tilvane {

namespace {

void failSearchIndex(const std::string& path, int code, const std::string& detail, SqliteStage stage,
                     std::string_view what)
{
    if (stage == SqliteStage::Opening)
        throw SqliteError("Cannot open the search index \"" + path + "\": " + detail, code);
    throw SqliteError("The search index \"" + path + "\" failed (" + std::string(what.substr(0, 60)) + "): " + detail,
                      code);
}

// A reader and the command may use the index at once; one waits for the other's write.
constexpr int kBusyTimeoutMs = 5000;

// The index's files are the program's own and can always be built again: whatever else stands
// in their place (a link, which would have the index written into its target, a pipe or a
// device) is removed, the link itself and never what it points to.
void removeForeignFile(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))
        return;
    if (::unlink(path.c_str()) != 0)
        throw SqliteError("Cannot remove \"" + path + "\", which stands where the search index belongs.",
                          SQLITE_CANTOPEN);
}

} // namespace

std::unique_ptr<SqliteDb> openSearchDb(const std::string& path)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        removeForeignFile(path + suffix);
    // A link planted after the check is refused rather than followed.
    return std::make_unique<SqliteDb>(path, SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW, kBusyTimeoutMs,
                                      &failSearchIndex);
}

} // namespace tilvane
