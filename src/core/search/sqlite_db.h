#pragma once

#include "core/app/errors.h"

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tilvane {

// A failed SQLite call; damaged() tells a file that is not a database or is corrupt, which
// the search index answers by building itself anew.
class SqliteError : public TilvaneError {
public:
    SqliteError(const std::string& message, int code) : TilvaneError(message), m_code(code) {}
    int code() const { return m_code; }
    bool damaged() const;
    bool interrupted() const;

private:
    int m_code;
};

// One open database connection, closed with the object; used by one thread at a time.
class SqliteDb {
public:
    // Opens (creating when missing) the database file; throws SqliteError.
    explicit SqliteDb(const std::string& path);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    sqlite3* handle() const { return m_db; }
    const std::string& path() const { return m_path; }
    void exec(const std::string& sql);
    // Throws SqliteError with the connection's message when code is not SQLITE_OK/ROW/DONE.
    void check(int code, std::string_view what) const;

private:
    sqlite3* m_db = nullptr;
    std::string m_path;
};

// A prepared statement of a connection, finalized with the object.
class SqliteStatement {
public:
    SqliteStatement(const SqliteDb& db, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, std::string_view text);
    // Steps once: true while a row is there.
    bool step();
    void reset();
    std::int64_t int64(int column) const;
    std::string text(int column) const;

private:
    const SqliteDb& m_db;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace tilvane
