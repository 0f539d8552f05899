#include "core/library/library_db.h"

#include "core/base/atomic_replace.h"

#include <sqlite3.h>

#include <filesystem>
#include <sys/statvfs.h>
#include <unistd.h>

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
    case SQLITE_READONLY:
        return LibraryError::Kind::ReadOnly;
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
    case LibraryError::Kind::ReadOnly:
        return readOnlyLibraryMessage(path);
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

std::unique_ptr<SqliteDb> openLibraryDb(const std::string& path, int busyTimeoutMs, bool readOnly)
{
    // A link in place of the file is refused, as everywhere this program writes.
    if (!readOnly)
        return std::make_unique<SqliteDb>(path, SQLITE_OPEN_NOFOLLOW, busyTimeoutMs, &failLibraryDb);
    return std::make_unique<SqliteDb>(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, busyTimeoutMs, &failLibraryDb);
}

bool isLibraryWritable(const std::string& path)
{
    if (::access(path.c_str(), F_OK) != 0)
        return true;
    const std::string folder = std::filesystem::absolute(path).parent_path().string();
    struct statvfs info {};
    const bool readOnlyMedium = ::statvfs(path.c_str(), &info) == 0 && (info.f_flag & ST_RDONLY) != 0;
    return !readOnlyMedium && !isReadOnly(path) && ::access(folder.c_str(), W_OK) == 0;
}

std::string readOnlyLibraryMessage(const std::string& path)
{
    return "The bookmark library \"" + path + "\" is read-only; the change was not saved.";
}

} // namespace tilvane
