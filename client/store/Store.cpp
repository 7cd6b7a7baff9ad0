#include "client/store/Store.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "client/store/RecordRows.h"
#include "client/store/StoreError.h"

namespace nuvclient {
namespace {

constexpr std::array<std::string_view, 3> kKindNames = {"owner", "contact", "group"};

std::string QueryText(Database& db, const char* sql) {
    Statement statement(db, sql);
    return statement.Step() ? std::string(statement.Text(0)) : std::string();
}

// Size of a file, or -1 when it is missing.
std::int64_t FileSize(const std::filesystem::path& file) {
    struct stat info {};
    return stat(file.c_str(), &info) == 0 ? info.st_size : -1;
}

std::uint32_t BigEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int k = 0; k < count; ++k) value = value << 8 | bytes[k];
    return value;
}

// A file cut short still has a valid header; compare its size with the one the header gives.
// Pages still in the write-ahead log may lie beyond the end of the file. The header is read
// through the connection's own handle: closing another descriptor of the file would drop every
// lock this process holds on it, those of its other connections included.
void CheckNotTruncated(Database& db) {
    const std::filesystem::path& file = db.File();
    if (FileSize(file.string() + "-wal") > 0) return;
    sqlite3_file* handle = nullptr;
    unsigned char header[100];
    if (sqlite3_file_control(db.Handle(), "main", SQLITE_FCNTL_FILE_POINTER, &handle) !=
            SQLITE_OK ||
        !handle || !handle->pMethods ||
        handle->pMethods->xRead(handle, header, sizeof header, 0) != SQLITE_OK)
        return;  // SQLite reports why it cannot read the file.
    // Not a database at all: SQLite says so on the first read.
    if (std::memcmp(header, "SQLite format 3", 16) != 0) return;
    // The size field is valid only when the change counter matches its "valid for" copy.
    if (BigEndian(header + 24, 4) != BigEndian(header + 92, 4)) return;
    std::int64_t pageSize = BigEndian(header + 16, 2) == 1 ? 65536 : BigEndian(header + 16, 2);
    std::int64_t expected = pageSize * BigEndian(header + 28, 4);
    std::int64_t size = FileSize(file);
    if (size < expected)
        throw StoreError(file, "the file is truncated (" + std::to_string(size) + " of " +
                                   std::to_string(expected) + " bytes)");
}

}  // namespace

std::string_view UserKindName(UserKind kind) {
    return kKindNames[static_cast<size_t>(kind)];
}

Store::Store(const std::filesystem::path& file, const StoreKind& kind)
    : m_db(file, OpenMode::ExistingOnly) {
    CheckNotTruncated(m_db);
    CheckFile(kind);
}

void Store::CheckFile(const StoreKind& kind) {
    if (m_db.QueryInteger("PRAGMA application_id") != kind.applicationId)
        throw StoreError(File(), "not a " + std::string(kind.name));
    std::int64_t version = m_db.QueryInteger("PRAGMA user_version");
    if (version != kSchemaVersion)
        throw StoreError(File(), "schema version " + std::to_string(version) +
                                     ", but this program reads version " +
                                     std::to_string(kSchemaVersion));
    // The pages and their structure; the CHECK constraints, which every write enforces, are left
    // out: evaluated on every row they made the check ten times slower.
    m_db.Execute("PRAGMA ignore_check_constraints = 1");
    std::string check = QueryText(m_db, "PRAGMA quick_check(1)");
    m_db.Execute("PRAGMA ignore_check_constraints = 0");
    std::replace(check.begin(), check.end(), '\n', ' ');
    if (check != "ok") throw StoreError(File(), "the database is corrupt (" + check + ")");
    if (QueryText(m_db, "PRAGMA journal_mode") != "wal")
        throw StoreError(File(), "the database is not in write-ahead-log mode");
    // Every write that returned is on disk: the log is synced at each commit.
    m_db.Execute("PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON");
}

UserKind Store::KindOf(std::uint32_t number, std::string_view kind) const {
    for (size_t k = 0; k < kKindNames.size(); ++k)
        if (kind == kKindNames[k]) return static_cast<UserKind>(k);
    throw StoreError(File(), "user " + std::to_string(number) + " has an unknown kind \"" +
                                 std::string(kind) + "\"");
}

std::vector<User> Store::Users() {
    // One pass over the table in number order, then grouped by kind keeping that order: cheaper
    // than the kind index, which costs a lookup of the name for every user. Counted first, so
    // that the list is allocated once.
    std::vector<User> users;
    users.reserve(static_cast<size_t>(m_db.QueryInteger("SELECT count(*) FROM users")));
    Statement select(m_db, "SELECT number, kind, name FROM users ORDER BY number");
    while (select.Step()) {
        const auto number = static_cast<std::uint32_t>(select.Integer(0));
        users.push_back(User{number, KindOf(number, select.Text(1)), std::string(select.Text(2))});
    }
    // Numbers are given out in ranges by kind, so the list is usually grouped already.
    if (!std::ranges::is_sorted(users, {}, &User::kind)) {
        std::ranges::stable_sort(users, {}, &User::kind);
    }
    return users;
}

std::optional<User> Store::FindUser(std::uint32_t number) {
    Statement select(m_db, "SELECT kind, name FROM users WHERE number = ?1");
    select.Bind(1, number);
    if (!select.Step()) return std::nullopt;
    return User{number, KindOf(number, select.Text(0)), std::string(select.Text(1))};
}

void Store::AddUsers(const std::vector<UserRecord>& users) {
    Transaction transaction(m_db, TransactionKind::Write);
    Statement insert(m_db, "INSERT INTO users (number, kind, name) VALUES (?1, ?2, ?3)");
    for (const UserRecord& entry : users) {
        insert.Bind(1, entry.user.number)
            .Bind(2, UserKindName(entry.user.kind))
            .Bind(3, entry.user.name)
            .Run();
        RecordRows rows(m_db, entry.user.number);
        for (const Field& field : entry.record.Fields()) rows.InsertKey(field.key, field.value);
    }
    transaction.Commit();
}

void Store::RequireUser(std::uint32_t user) {
    if (!FindUser(user)) throw StoreError(File(), "no user " + std::to_string(user));
}

Record Store::ReadRecord(std::uint32_t user) {
    Transaction transaction(m_db, TransactionKind::Read);
    RequireUser(user);
    Record record = RecordRows(m_db, user).ReadAll();
    transaction.Commit();
    return record;
}

void Store::WriteRecord(std::uint32_t user, const Record& record) {
    Transaction transaction(m_db, TransactionKind::Write);
    RequireUser(user);
    // A write that changes nothing touches no disk: the transaction is rolled back.
    if (RecordRows(m_db, user).ReadAll() == record) return;
    ReplaceRows(user, record);
    transaction.Commit();
}

void Store::ReplaceRows(std::uint32_t user, const Record& record) {
    RecordRows rows(m_db, user);
    rows.DeleteAll();
    for (const Field& field : record.Fields()) rows.InsertKey(field.key, field.value);
    m_cache.erase(user);
    ++m_writes;
}

void Store::UpdateRecord(std::uint32_t user, const std::function<void(Record&)>& change) {
    Transaction transaction(m_db, TransactionKind::Write);
    RequireUser(user);
    const Record before = RecordRows(m_db, user).ReadAll();
    Record record = before;
    change(record);
    if (record == before) return;
    ReplaceRows(user, record);
    transaction.Commit();
}

Store::CachedRecord* Store::CurrentCache(std::uint32_t user) {
    const auto found = m_cache.find(user);
    if (found == m_cache.end()) return nullptr;
    CachedRecord& cached = found->second;
    if (cached.writes != m_writes || cached.dataVersion != m_db.DataVersion()) {
        m_cache.erase(found);
        return nullptr;
    }
    return &cached;
}

template <class Change>
void Store::NoteWrite(std::uint32_t user, Change change) {
    CachedRecord* cached = CurrentCache(user);
    ++m_writes;
    if (!cached) return;
    change(cached->record);
    cached->writes = m_writes;
}

const Record& Store::CurrentRecord(std::uint32_t user) {
    if (const CachedRecord* cached = CurrentCache(user)) return cached->record;
    // Read first, so that a commit by another connection in between only makes the cache look
    // older than it is.
    const std::int64_t version = m_db.DataVersion();
    Record record = ReadRecord(user);
    if (m_cache.size() >= kCachedRecords) m_cache.clear();
    return (m_cache[user] = CachedRecord{version, m_writes, std::move(record)}).record;
}

std::optional<Value> Store::ReadKey(std::uint32_t user, std::string_view key) {
    const Value* value = CurrentRecord(user).Find(key);
    if (!value) return std::nullopt;
    return *value;
}

void Store::WriteKey(std::uint32_t user, std::string_view key, const Value& value) {
    Transaction transaction(m_db, TransactionKind::Write);
    RequireUser(user);
    RecordRows rows(m_db, user);
    if (Value current; rows.ReadKey(key, current) && current == value) return;
    rows.DeleteKey(key);
    rows.InsertKey(key, value);
    transaction.Commit();
    NoteWrite(user, [&](Record& record) { record.Set(key, value); });
}

bool Store::RemoveKey(std::uint32_t user, std::string_view key) {
    Transaction transaction(m_db, TransactionKind::Write);
    RequireUser(user);
    if (!RecordRows(m_db, user).DeleteKey(key)) return false;
    transaction.Commit();
    NoteWrite(user, [&](Record& record) { record.Remove(key); });
    return true;
}

}  // namespace nuvclient
