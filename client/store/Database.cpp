#include "client/store/Database.h"

#include <cerrno>
#include <cstring>

#include "client/store/StoreError.h"

namespace nuvclient {
namespace {

// How long a connection waits for another one's lock before it reports the file locked; a
// write may queue behind several directory workers.
constexpr int kBusyTimeoutMs = 5000;

std::string Problem(sqlite3* db, int code) {
    int primary = code & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return "the database is locked by another program";
    if (primary == SQLITE_NOTADB) return "not a database (the file is corrupt or of another kind)";
    if (primary == SQLITE_CORRUPT)
        return "the database is corrupt (" +
               std::string(db ? sqlite3_errmsg(db) : sqlite3_errstr(code)) + ")";
    if (primary == SQLITE_READONLY) return "the database cannot be written (read-only)";
    const int system = db ? sqlite3_system_errno(db) : 0;
    if (primary == SQLITE_FULL ||
        (primary == SQLITE_IOERR && (system == ENOSPC || system == EDQUOT)))
        return "the disk is full";
    if (primary == SQLITE_IOERR)
        return std::string("the file cannot be read or written (") +
               (system != 0 ? std::strerror(system) : sqlite3_errstr(code)) + ")";
    return db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
}

}  // namespace

Database::Database(const std::filesystem::path& file, OpenMode mode) : m_file(file) {
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == OpenMode::Create) flags |= SQLITE_OPEN_CREATE;
    int rc = sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string problem = Problem(m_db, rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError(m_file, problem);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
}

Database::~Database() {
    for (const auto& [sql, prepared] : m_statements) sqlite3_finalize(prepared.stmt);
    sqlite3_close(m_db);
}

Database::PreparedStatement* Database::Lend(const char* sql) {
    auto found = m_statements.find(std::string_view(sql));
    if (found == m_statements.end()) {
        sqlite3_stmt* stmt = nullptr;
        const int rc = sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
        if (rc != SQLITE_OK) Fail(rc);
        found = m_statements.emplace(sql, PreparedStatement{stmt}).first;
    }
    if (found->second.inUse) return nullptr;
    found->second.inUse = true;
    return &found->second;
}

std::int64_t Database::DataVersion() {
    if (m_lastDataVersionKnown && m_commits.Unchanged()) return m_lastDataVersion;
    // Mark first: a commit between the mark and the answer only makes the mark look older.
    m_lastDataVersionKnown = false;
    m_commits.Mark();
    m_lastDataVersion = QueryDataVersion();
    m_lastDataVersionKnown = true;
    m_commits.Locate(m_db);
    return m_lastDataVersion;
}

std::int64_t Database::QueryDataVersion() {
    Statement version(*this, "PRAGMA data_version");
    if (!version.Step()) Fail(SQLITE_ERROR);
    return version.Integer(0);
}

void Database::Fail(int code) const {
    throw StoreError(m_file, Problem(m_db, code));
}

void Database::Execute(const char* sql) {
    int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) Fail(rc);
}

std::int64_t Database::QueryInteger(const char* sql) {
    Statement statement(*this, sql);
    return statement.Step() ? statement.Integer(0) : 0;
}

Statement::Statement(Database& db, const char* sql) : m_db(db), m_lent(db.Lend(sql)) {
    if (m_lent) {
        m_stmt = m_lent->stmt;
        return;
    }
    const int rc = sqlite3_prepare_v2(db.Handle(), sql, -1, &m_stmt, nullptr);
    if (rc != SQLITE_OK) db.Fail(rc);
}

Statement::~Statement() {
    if (!m_lent) {
        sqlite3_finalize(m_stmt);
        return;
    }
    // Between uses the connection's statement holds no lock and no value.
    Reset();
    m_lent->inUse = false;
}

Statement& Statement::Bind(int index, std::int64_t value) {
    int rc = sqlite3_bind_int64(m_stmt, index, value);
    if (rc != SQLITE_OK) m_db.Fail(rc);
    return *this;
}

Statement& Statement::Bind(int index, std::string_view value) {
    int rc = sqlite3_bind_text64(m_stmt, index, value.data(), value.size(), SQLITE_TRANSIENT,
                                 SQLITE_UTF8);
    if (rc != SQLITE_OK) m_db.Fail(rc);
    return *this;
}

Statement& Statement::BindNull(int index) {
    int rc = sqlite3_bind_null(m_stmt, index);
    if (rc != SQLITE_OK) m_db.Fail(rc);
    return *this;
}

bool Statement::Step() {
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(m_stmt);
    m_db.Fail(rc);
}

void Statement::Run() {
    while (Step()) {
    }
    Reset();
}

void Statement::Reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

std::int64_t Statement::Integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

std::string_view Statement::Text(int column) const {
    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return text ? std::string_view(text, sqlite3_column_bytes(m_stmt, column)) : std::string_view();
}

int Statement::ColumnType(int column) const {
    return sqlite3_column_type(m_stmt, column);
}

Transaction::Transaction(Database& db, TransactionKind kind) : m_db(db) {
    Statement(db, kind == TransactionKind::Write ? "BEGIN IMMEDIATE" : "BEGIN").Run();
}

Transaction::~Transaction() {
    if (m_open) sqlite3_exec(m_db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit() {
    Statement(m_db, "COMMIT").Run();
    m_open = false;
}

}  // namespace nuvclient
