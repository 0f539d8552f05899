#include "core/search/search_db.h"

#include <sqlite3.h>

namespace tilvane {

namespace {

void failSearchIndex(const std::string& path, int code, const std::string& detail, std::string_view what)
{
    if (what == "open")
        throw SqliteError("Cannot open the search index \"" + path + "\": " + detail, code);
    throw SqliteError("The search index \"" + path + "\" failed (" + std::string(what.substr(0, 60)) + "): " + detail,
                      code);
}

// A reader and the command may use the index at once; one waits for the other's write.
constexpr int kBusyTimeoutMs = 5000;

} // namespace

std::unique_ptr<SqliteDb> openSearchDb(const std::string& path)
{
    return std::make_unique<SqliteDb>(path, SQLITE_OPEN_NOMUTEX, kBusyTimeoutMs, &failSearchIndex);
}

} // namespace tilvane
