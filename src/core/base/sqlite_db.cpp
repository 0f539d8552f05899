#include "core/base/sqlite_db.h"

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

namespace {

// "file:/a%3Fb.db?immutable=1": in a URI, '?', '#' and '%' of the path are escaped.
std::string immutableUri(const std::string& path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '?' || c == '#' || c == '%') {
            uri += '%';
            uri += kHex[static_cast<unsigned char>(c) >> 4];
            uri += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

} // namespace

SqliteDb::SqliteDb(const std::string& path, int extraOpenFlags, int busyTimeoutMs, SqliteFailure failure)
    : m_path(path), m_failure(failure)
{
    const bool readOnly = (extraOpenFlags & SQLITE_OPEN_READONLY) != 0;
    const int flags = readOnly ? extraOpenFlags | SQLITE_OPEN_URI
                               : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | extraOpenFlags;
    const std::string name = readOnly ? immutableUri(path) : path;
    const int code = sqlite3_open_v2(name.c_str(), &m_db, flags, nullptr);
    if (code != SQLITE_OK) {
        const std::string detail = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
        sqlite3_close(m_db);
        m_db = nullptr;
        m_failure(m_path, code, detail, SqliteStage::Opening, "open");
        throw SqliteError("Cannot open \"" + path + "\": " + detail, code);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
}

SqliteDb::~SqliteDb()
{
    sqlite3_close_v2(m_db);
}

void SqliteDb::exec(std::string_view sql)
{
    const std::string text(sql);
    check(sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, nullptr), sql);
}

std::int64_t SqliteDb::queryInteger(std::string_view sql)
{
    SqliteStatement statement(*this, sql);
    return statement.step() ? statement.int64(0) : 0;
}

void SqliteDb::check(int code, std::string_view what) const
{
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE)
        fail(code, what);
}

void SqliteDb::fail(int code, std::string_view what) const
{
    const std::string detail = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
    m_failure(m_path, code, detail, SqliteStage::Running, what);
    // A failure function that returns still ends the operation.
    throw SqliteError("\"" + m_path + "\" failed: " + detail, code);
}

SqliteStatement::SqliteStatement(const SqliteDb& db, std::string_view sql) : m_db(db)
{
    m_db.check(sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr), sql);
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

void SqliteStatement::run()
{
    while (step()) {
    }
    sqlite3_reset(m_statement);
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

SqliteTransaction::SqliteTransaction(SqliteDb& db) : m_db(db)
{
    m_db.exec("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction()
{
    if (!m_done)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit()
{
    m_db.exec("COMMIT");
    m_done = true;
}

} // namespace tilvane
