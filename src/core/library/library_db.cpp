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

} // namespace

LibraryDb::LibraryDb(const std::string& path, int busyTimeoutMs)
    : m_path(path)
{
    // A link in place of the file is refused, as everywhere this program writes.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW;
    const int code = sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr);
    if (code != SQLITE_OK) {
        const std::string detail = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
        sqlite3_close(m_db);
        m_db = nullptr;
        const LibraryError::Kind kind = kindOf(code);
        throw LibraryError(kind, path, messageFor(kind, path, detail));
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
}

LibraryDb::~LibraryDb()
{
    sqlite3_close_v2(m_db);
}

void LibraryDb::fail(int code) const
{
    const LibraryError::Kind kind = kindOf(code);
    const std::string detail = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
    throw LibraryError(kind, m_path, messageFor(kind, m_path, detail));
}

void LibraryDb::exec(std::string_view sql)
{
    const std::string text(sql);
    const int code = sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        fail(code);
}

long long LibraryDb::queryInteger(std::string_view sql)
{
    LibraryStatement statement(*this, sql);
    return statement.step() ? statement.integer(0) : 0;
}

LibraryStatement::LibraryStatement(LibraryDb& db, std::string_view sql)
    : m_db(db)
{
    const int code = sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr);
    if (code != SQLITE_OK)
        db.fail(code);
}

LibraryStatement::~LibraryStatement()
{
    sqlite3_finalize(m_statement);
}

LibraryStatement& LibraryStatement::bind(int index, long long value)
{
    const int code = sqlite3_bind_int64(m_statement, index, value);
    if (code != SQLITE_OK)
        m_db.fail(code);
    return *this;
}

LibraryStatement& LibraryStatement::bind(int index, std::string_view text)
{
    const int code =
        sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    if (code != SQLITE_OK)
        m_db.fail(code);
    return *this;
}

bool LibraryStatement::step()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    m_db.fail(code);
}

void LibraryStatement::run()
{
    while (step()) {
    }
    sqlite3_reset(m_statement);
}

long long LibraryStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

std::string LibraryStatement::text(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return bytes != nullptr ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)))
                            : std::string();
}

LibraryTransaction::LibraryTransaction(LibraryDb& db)
    : m_db(db)
{
    m_db.exec("BEGIN IMMEDIATE");
}

LibraryTransaction::~LibraryTransaction()
{
    if (!m_done)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void LibraryTransaction::commit()
{
    m_db.exec("COMMIT");
    m_done = true;
}

} // namespace tilvane
