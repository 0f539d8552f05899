#include "core/search/sqlite_db.h"

#include <sqlite3.h>

namespace tilvane {

bool SqliteError::damaged() const
{
    const int primary = m_code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

bool SqliteError::interrupted() const
{
    return (m_code & 0xFF) == SQLITE_INTERRUPT;
}

SqliteDb::SqliteDb(const std::string& path) : m_path(path)
{
    const int code = sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw SqliteError("Cannot open the search index \"" + path + "\": " + message, code);
    }
    sqlite3_extended_result_codes(m_db, 1);
    // A reader and the command may use the index at once; one waits for the other's write.
    sqlite3_busy_timeout(m_db, 5000);
}

SqliteDb::~SqliteDb()
{
    sqlite3_close_v2(m_db);
}

void SqliteDb::exec(const std::string& sql)
{
    check(sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr), sql);
}

void SqliteDb::check(int code, std::string_view what) const
{
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE)
        return;
    throw SqliteError("The search index \"" + m_path + "\" failed (" + std::string(what.substr(0, 60))
                          + "): " + sqlite3_errmsg(m_db),
                      code);
}

SqliteStatement::SqliteStatement(const SqliteDb& db, const std::string& sql) : m_db(db)
{
    m_db.check(sqlite3_prepare_v2(db.handle(), sql.c_str(), static_cast<int>(sql.size()), &m_statement, nullptr),
               sql);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value)
{
    m_db.check(sqlite3_bind_int64(m_statement, index, value), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view text)
{
    m_db.check(sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT),
               "bind");
    return *this;
}

bool SqliteStatement::step()
{
    const int code = sqlite3_step(m_statement);
    m_db.check(code, sqlite3_sql(m_statement));
    return code == SQLITE_ROW;
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

std::int64_t SqliteStatement::int64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

std::string SqliteStatement::text(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return bytes == nullptr ? std::string() : std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)));
}

} // namespace tilvane
