#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "client/store/CommitWatch.h"

namespace nuvclient {

enum class OpenMode { ExistingOnly, Create };

// One SQLite connection. Every failure throws StoreError naming the file.
class Database {
public:
    Database(const std::filesystem::path& file, OpenMode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::filesystem::path& File() const { return m_file; }
    sqlite3* Handle() const { return m_db; }
    void Execute(const char* sql);
    // Runs a statement that answers one integer, such as a pragma.
    std::int64_t QueryInteger(const char* sql);
    [[noreturn]] void Fail(int code) const;
    // Changes when another connection commits to the file; a cheap check on every read: SQLite
    // is asked only when the write-ahead log's index shows a commit since it last answered.
    std::int64_t DataVersion();

private:
    friend class Statement;
    struct PreparedStatement {
        sqlite3_stmt* stmt = nullptr;
        bool inUse = false;
    };
    // The connection's statement for sql, prepared on its first use and kept until the connection
    // closes; nullptr while it is in use, when the caller prepares one of its own.
    PreparedStatement* Lend(const char* sql);
    std::int64_t QueryDataVersion();

    std::filesystem::path m_file;
    sqlite3* m_db = nullptr;
    std::map<std::string, PreparedStatement, std::less<>> m_statements;
    CommitWatch m_commits;
    // The last answer SQLite gave, good while m_commits is unchanged since it was asked.
    std::int64_t m_lastDataVersion = 0;
    bool m_lastDataVersionKnown = false;
};

// One use of a prepared statement of the connection, reset when it ends; bind by position
// from 1, step, read columns from 0. Each text is prepared once per connection.
class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, std::string_view value);
    Statement& BindNull(int index);
    // True while a row is available.
    bool Step();
    void Run();
    void Reset();
    std::int64_t Integer(int column) const;
    std::string_view Text(int column) const;
    int ColumnType(int column) const;

private:
    Database& m_db;
    Database::PreparedStatement* m_lent = nullptr;  // Null when the statement is m_db's own.
    sqlite3_stmt* m_stmt = nullptr;
};

enum class TransactionKind { Read, Write };

// A transaction, rolled back unless committed. A write transaction takes the write lock at once.
class Transaction {
public:
    Transaction(Database& db, TransactionKind kind);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Database& m_db;
    bool m_open = true;
};

}  // namespace nuvclient
