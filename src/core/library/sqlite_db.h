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

// One connection to an SQLite file. Every failure becomes a LibraryError naming the file.
class SqliteDb {
public:
    // Opens (creating) the file; waits up to busyTimeoutMs when another connection holds a lock.
    SqliteDb(const std::string& path, int busyTimeoutMs);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

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
class SqliteStatement {
public:
    SqliteStatement(SqliteDb& db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, long long value);
    SqliteStatement& bind(int index, std::string_view text);
    // True while there is a row to read.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    long long integer(int column) const;
    std::string text(int column) const;

private:
    SqliteDb& m_db;
    sqlite3_stmt* m_statement = nullptr;
};

// BEGIN IMMEDIATE ... COMMIT: the write lock is taken at the start, so two programs never
// deadlock upgrading a read to a write. Rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(SqliteDb& db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void commit();

private:
    SqliteDb& m_db;
    bool m_done = false;
};

} // namespace tilvane
