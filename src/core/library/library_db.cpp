#include "core/library/library_db.h"

#include <sqlite3.h>

namespace tilvane {

namespace {

LibraryError::Kind kindOf(int code)
{
    switch (code & 0xFF) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return LibraryError::Kind::Damaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return LibraryError::Kind::Locked;
    default:
        return LibraryError::Kind::Unreadable;
    }
}

std::string messageFor(LibraryError::Kind kind, const std::string& path, const std::string& detail)
{
    switch (kind) {
    case LibraryError::Kind::Damaged:
        return "The bookmark library \"" + path + "\" is damaged (" + detail + ").";
    case LibraryError::Kind::Locked:
        return "The bookmark library \"" + path + "\" is in use by another program (" + detail + ").";
    default:
        return "Cannot use the bookmark library \"" + path + "\" (" + detail + ").";
    }
}

void failLibraryDb(const std::string& path, int code, const std::string& detail, SqliteStage, std::string_view)
{
    const LibraryError::Kind kind = kindOf(code);
    throw LibraryError(kind, path, messageFor(kind, path, detail));
}

} // namespace

std::unique_ptr<SqliteDb> openLibraryDb(const std::string& path, int busyTimeoutMs)
{
    // A link in place of the file is refused, as everywhere this program writes.
    return std::make_unique<SqliteDb>(path, SQLITE_OPEN_NOFOLLOW, busyTimeoutMs, &failLibraryDb);
}

} // namespace tilvane
