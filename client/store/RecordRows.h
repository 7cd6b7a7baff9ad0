#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "client/store/Database.h"
#include "client/store/Value.h"

namespace nuvclient {

// The rows of the "fields" table that hold one user's tree of keys: a key of a record has its
// name and position 0, an element of a list an empty name and its index; lists and nested
// records are rows whose children point at them through "parent".
class RecordRows {
public:
    RecordRows(Database& db, std::uint32_t user) : m_db(db), m_user(user) {}

    Record ReadAll();
    // The value of one top-level key; false when the record has no such key.
    bool ReadKey(std::string_view key, Value& value);
    void InsertKey(std::string_view key, const Value& value);
    // Deletes one top-level key with everything under it; false when it was missing.
    bool DeleteKey(std::string_view key);
    void DeleteAll();

private:
    struct Row {
        std::int64_t id;
        std::int64_t parent;  // 0 at the top level of the record
        std::string name;
        std::int64_t pos;
        ValueType type;
        std::int64_t integer;
        std::string text;
    };

    std::vector<Row> Load(Statement& statement);
    Value Build(const std::vector<Row>& rows, const Row& row,
                std::vector<std::vector<size_t>>& kids);
    void Insert(std::int64_t parent, std::string_view name, std::int64_t pos, const Value& value);
    [[noreturn]] void Corrupt(const Row& row, std::string_view problem) const;

    Database& m_db;
    std::uint32_t m_user;
};

}  // namespace nuvclient
