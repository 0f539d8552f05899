#pragma once

#include "core/base/errors.h"

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tilvane {

// A failed SQLite call; damaged() tells a file that is not a database or is corrupt.
class SqliteError : public TilvaneError {
public:
    SqliteError(const std::string& message, int code) : TilvaneError(message), m_code(code) {}
    int code() const { return m_code; }
    bool damaged() const;
    bool interrupted() const;

private:
    int m_code;
};

// Whether a call failed opening the file or running a statement on it.
enum class SqliteStage { Opening, Running };

// Turns a failed call into the exception its owner's callers expect, naming the file: the
// search index and the bookmark library tell their users different things. It must throw;
// `what` names the statement or step that failed.
using SqliteFailure = void (*)(const std::string& path, int code, const std::string& detail, SqliteStage stage,
                               std::string_view what);

// One open database connection, closed with the object; used by one thread at a time.
class SqliteDb {
public:
    // Opens (creating when missing) the database file, read-write with extraOpenFlags, and
    // waits up to busyTimeoutMs for another connection's lock. With SQLITE_OPEN_READONLY among
    // extraOpenFlags an existing file is opened read-only and immutable instead: nothing is
    // written, to it or beside it (a WAL reader's shared-memory file included), which only
    // holds while no one changes the file, as on a read-only medium.
    SqliteDb(const std::string& path, int extraOpenFlags, int busyTimeoutMs, SqliteFailure failure);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    sqlite3* handle() const { return m_db; }
    const std::string& path() const { return m_path; }
    void exec(std::string_view sql);
    // The first column of the first row as an integer (0 when there is no row).
    std::int64_t queryInteger(std::string_view sql);
    // Fails as the owner wants when code is not SQLITE_OK/ROW/DONE.
    void check(int code, std::string_view what) const;
    [[noreturn]] void fail(int code, std::string_view what) const;

private:
    sqlite3* m_db = nullptr;
    std::string m_path;
    SqliteFailure m_failure;
};

// A prepared statement of a connection, finalized with the object.
class SqliteStatement {
public:
    SqliteStatement(const SqliteDb& db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, std::string_view text);
    // Steps once: true while a row is there.
    bool step();
    // Runs a statement that returns no rows, ready to run again.
    void run();
    void reset();
    std::int64_t int64(int column) const;
    std::string text(int column) const;

private:
    const SqliteDb& m_db;
    sqlite3_stmt* m_statement = nullptr;
};

// BEGIN IMMEDIATE ... COMMIT: the write lock is taken at the start, so two programs never
// deadlock upgrading a read to a write. Rolled back unless committed.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDb& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void commit();

private:
    SqliteDb& m_db;
    bool m_done = false;
};

} // namespace tilvane
