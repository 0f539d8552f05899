#pragma once

#include "core/app/errors.h"

#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tilvane {

// A library database that cannot be used, with what the user can do about it.
class LibraryError : public TilvaneError {
public:
    enum class Kind {
        Damaged,    // not a database, or its pages are corrupt: can be moved aside
        Locked,     // another program holds it longer than we wait
        Unreadable, // no permission, an I/O error, a folder that cannot be made
        Newer,      // written by a later version of this program
    };
    LibraryError(Kind kind, const std::string& path, const std::string& message)
        : TilvaneError(message), m_kind(kind), m_path(path) {}
    Kind kind() const { return m_kind; }
    const std::string& path() const { return m_path; }

private:
    Kind m_kind;
    std::string m_path;
};

// One connection to the bookmark library's SQLite file. Every failure becomes a LibraryError
// naming the file.
class LibraryDb {
public:
    // Opens (creating) the file; waits up to busyTimeoutMs when another connection holds a lock.
    LibraryDb(const std::string& path, int busyTimeoutMs);
    ~LibraryDb();
    LibraryDb(const LibraryDb&) = delete;
    LibraryDb& operator=(const LibraryDb&) = delete;

    void exec(std::string_view sql);
    // The first column of the first row as an integer (0 when there is no row).
    long long queryInteger(std::string_view sql);
    const std::string& path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    // Throws the LibraryError for an SQLite result code, with the connection's message.
    [[noreturn]] void fail(int code) const;

private:
    sqlite3* m_db = nullptr;
    std::string m_path;
};

// A prepared statement; bind by 1-based index, step through the rows.
class LibraryStatement {
public:
    LibraryStatement(LibraryDb& db, std::string_view sql);
    ~LibraryStatement();
    LibraryStatement(const LibraryStatement&) = delete;
    LibraryStatement& operator=(const LibraryStatement&) = delete;

    LibraryStatement& bind(int index, long long value);
    LibraryStatement& bind(int index, std::string_view text);
    // True while there is a row to read.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    long long integer(int column) const;
    std::string text(int column) const;

private:
    LibraryDb& m_db;
    sqlite3_stmt* m_statement = nullptr;
};

// BEGIN IMMEDIATE ... COMMIT: the write lock is taken at the start, so two programs never
// deadlock upgrading a read to a write. Rolled back unless committed.
class LibraryTransaction {
public:
    explicit LibraryTransaction(LibraryDb& db);
    ~LibraryTransaction();
    LibraryTransaction(const LibraryTransaction&) = delete;
    LibraryTransaction& operator=(const LibraryTransaction&) = delete;
    void commit();

private:
    LibraryDb& m_db;
    bool m_done = false;
};

} // namespace tilvane
