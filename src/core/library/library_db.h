#pragma once

#include "core/base/errors.h"
#include "core/base/sqlite_db.h"

#include <memory>
#include <string>

namespace tilvane {

// A library database that cannot be used, with what the user can do about it.
class LibraryError : public TilvaneError {
public:
    enum class Kind {
        Damaged,    // not a database, or its pages are corrupt: can be moved aside
        Locked,     // another program holds it longer than we wait
        Unreadable, // no permission, an I/O error, a folder that cannot be made
        Newer,      // written by a later version of this program
        ReadOnly,   // opened read-only (a read-only medium or file): a change was refused
    };
    LibraryError(Kind kind, const std::string& path, const std::string& message)
        : TilvaneError(message), m_kind(kind), m_path(path) {}
    Kind kind() const { return m_kind; }
    const std::string& path() const { return m_path; }

private:
    Kind m_kind;
    std::string m_path;
};

// Opens (creating) the bookmark library's SQLite file; waits up to busyTimeoutMs when another
// connection holds a lock. readOnly opens an existing file without ever writing it or a file
// beside it, so that a library on a read-only medium can still be read. Every failure of the
// connection becomes a LibraryError naming the file.
std::unique_ptr<SqliteDb> openLibraryDb(const std::string& path, int busyTimeoutMs, bool readOnly = false);

// False when the library file exists but cannot be written: a read-only file (no write bit,
// as the settings file's rule has it, or none for this user), a folder this user cannot
// write, or a read-only file system (where SQLite could not even make the files a reader needs).
bool isLibraryWritable(const std::string& path);

// The message of a change refused because the library is read-only.
std::string readOnlyLibraryMessage(const std::string& path);

} // namespace tilvane
