#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "client/store/Database.h"
#include "client/store/Value.h"

namespace nuvclient {

enum class UserKind { Owner, Contact, Group };

std::string_view UserKindName(UserKind kind);

struct User {
    std::uint32_t number = 0;
    UserKind kind = UserKind::Contact;
    std::string name;
    bool operator==(const User&) const = default;
};

struct UserRecord {
    User user;
    Record record;
};

// What a file of the store's tables holds: the application id it carries and the name an error
// gives it.
struct StoreKind {
    std::int64_t applicationId;
    std::string_view name;
};
inline constexpr StoreKind kUserStore{0x4E555643, "nuvclient store"};           // "NUVC"
inline constexpr StoreKind kDirectoryStore{0x4E555644, "nuvclient directory"};  // "NUVD"

// The users and their records in one SQLite file. Every write runs in its own transaction and
// is on disk when the call returns. Failures throw StoreError naming the file.
class Store {
public:
    static constexpr std::int64_t kSchemaVersion = 1;

    // Opens an existing file of |kind|; never creates, recreates or repairs one.
    explicit Store(const std::filesystem::path& file, const StoreKind& kind = kUserStore);

    const std::filesystem::path& File() const { return m_db.File(); }

    // The owner first, then the contacts, then the groups, each by number.
    std::vector<User> Users();
    std::optional<User> FindUser(std::uint32_t number);
    // Adds users with their records, all or none.
    void AddUsers(const std::vector<UserRecord>& users);

    Record ReadRecord(std::uint32_t user);
    // The writes below commit nothing, and so sync nothing to disk, when they change nothing.
    // Replaces the user's whole record.
    void WriteRecord(std::uint32_t user, const Record& record);
    // Reads the user's record, lets |change| edit it and writes it back, all in one write
    // transaction, so no other connection's write falls in between.
    void UpdateRecord(std::uint32_t user, const std::function<void(Record&)>& change);
    // The user's record as it stands, kept between calls while no commit has touched it; good
    // until the next call on this store.
    const Record& CurrentRecord(std::uint32_t user);
    std::optional<Value> ReadKey(std::uint32_t user, std::string_view key);
    void WriteKey(std::uint32_t user, std::string_view key, const Value& value);
    bool RemoveKey(std::uint32_t user, std::string_view key);

private:
    // The kind named |kind| of user |number|; throws StoreError for a name of no kind.
    UserKind KindOf(std::uint32_t number, std::string_view kind) const;

    // A user's record as last read, good while no other connection has committed
    // (SQLite's data_version) and this one has written nothing else since.
    struct CachedRecord {
        std::int64_t dataVersion = 0;
        std::uint64_t writes = 0;
        Record record;
    };
    static constexpr size_t kCachedRecords = 64;

    void CheckFile(const StoreKind& kind);
    void RequireUser(std::uint32_t user);
    // Within a write transaction: the user's rows become |record|.
    void ReplaceRows(std::uint32_t user, const Record& record);
    // The cached record of |user| if it is still current, else null.
    CachedRecord* CurrentCache(std::uint32_t user);
    // Counts a write; keeps |user|'s cached record current by applying |change| to it.
    template <class Change>
    void NoteWrite(std::uint32_t user, Change change);

    Database m_db;
    std::unordered_map<std::uint32_t, CachedRecord> m_cache;
    std::uint64_t m_writes = 0;
};

}  // namespace nuvclient
