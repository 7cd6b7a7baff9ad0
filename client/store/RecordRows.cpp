#include "client/store/RecordRows.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "client/store/StoreError.h"

namespace nuvclient {
namespace {

constexpr const char* kSelectAll =
    "SELECT id, coalesce(parent, 0), name, pos, type, value FROM fields WHERE user = ?1";
constexpr const char* kSelectKey =
    "WITH RECURSIVE tree(id) AS ("
    " SELECT id FROM fields WHERE user = ?1 AND coalesce(parent, 0) = 0 AND name = ?2 AND pos = 0"
    " UNION ALL SELECT f.id FROM fields f JOIN tree t ON f.parent = t.id)"
    " SELECT f.id, coalesce(f.parent, 0), f.name, f.pos, f.type, f.value"
    " FROM fields f JOIN tree USING (id)";
constexpr const char* kInsert =
    "INSERT INTO fields (user, parent, name, pos, type, value) VALUES (?1, ?2, ?3, ?4, ?5, ?6)";
constexpr const char* kDeleteKey =
    "DELETE FROM fields WHERE user = ?1 AND coalesce(parent, 0) = 0 AND name = ?2 AND pos = 0";

}  // namespace

std::vector<RecordRows::Row> RecordRows::Load(Statement& statement) {
    std::vector<Row> rows;
    while (statement.Step()) {
        Row row{statement.Integer(0),
                statement.Integer(1),
                std::string(statement.Text(2)),
                statement.Integer(3),
                ValueType::Text,
                0,
                {}};
        if (!ParseValueType(statement.Text(4), row.type))
            Corrupt(row, "unknown type \"" + std::string(statement.Text(4)) + "\"");
        bool isText = statement.ColumnType(5) == SQLITE_TEXT;
        bool isInteger = statement.ColumnType(5) == SQLITE_INTEGER;
        if (row.type == ValueType::Text) {
            if (!isText) Corrupt(row, "a text value that is not text");
            row.text = statement.Text(5);
        } else if (row.type != ValueType::List && row.type != ValueType::Record) {
            if (!isInteger) Corrupt(row, "a number value that is not an integer");
            row.integer = statement.Integer(5);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

Value RecordRows::Build(const std::vector<Row>& rows, const Row& row,
                        std::vector<std::vector<size_t>>& kids) {
    size_t self = &row - rows.data();
    if (row.type == ValueType::Text) return Value::Text(row.text);
    if (row.type == ValueType::List) {
        auto& children = kids[self];
        std::sort(children.begin(), children.end(),
                  [&](size_t a, size_t b) { return rows[a].pos < rows[b].pos; });
        List list;
        for (size_t k = 0; k < children.size(); ++k) {
            if (rows[children[k]].pos != static_cast<std::int64_t>(k))
                Corrupt(row, "a list with a missing element");
            list.push_back(Build(rows, rows[children[k]], kids));
        }
        return Value::OfList(std::move(list));
    }
    if (row.type == ValueType::Record) {
        Record record;
        for (size_t child : kids[self])
            record.Set(rows[child].name, Build(rows, rows[child], kids));
        return Value::OfRecord(std::move(record));
    }
    Value value;
    if (!Value::FromInteger(row.type, row.integer, value))
        Corrupt(row, "the value " + std::to_string(row.integer) + " does not fit its type");
    return value;
}

Record RecordRows::ReadAll() {
    Statement select(m_db, kSelectAll);
    select.Bind(1, m_user);
    std::vector<Row> rows = Load(select);
    std::unordered_map<std::int64_t, size_t> index;
    for (size_t k = 0; k < rows.size(); ++k) index.emplace(rows[k].id, k);
    std::vector<std::vector<size_t>> kids(rows.size());
    std::vector<size_t> top;
    for (size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].parent == 0) {
            top.push_back(k);
            continue;
        }
        auto parent = index.find(rows[k].parent);
        if (parent == index.end()) Corrupt(rows[k], "a value whose list or record is missing");
        kids[parent->second].push_back(k);
    }
    Record record;
    for (size_t k : top) record.Set(rows[k].name, Build(rows, rows[k], kids));
    return record;
}

bool RecordRows::ReadKey(std::string_view key, Value& value) {
    Statement select(m_db, kSelectKey);
    select.Bind(1, m_user).Bind(2, key);
    std::vector<Row> rows = Load(select);
    if (rows.empty()) return false;
    std::unordered_map<std::int64_t, size_t> index;
    for (size_t k = 0; k < rows.size(); ++k) index.emplace(rows[k].id, k);
    std::vector<std::vector<size_t>> kids(rows.size());
    const Row* root = nullptr;
    for (const Row& row : rows) {
        auto parent = index.find(row.parent);
        if (parent == index.end()) {
            root = &row;
        } else {
            kids[parent->second].push_back(&row - rows.data());
        }
    }
    value = Build(rows, *root, kids);
    return true;
}

void RecordRows::Insert(std::int64_t parent, std::string_view name, std::int64_t pos,
                        const Value& value) {
    Statement insert(m_db, kInsert);
    insert.Bind(1, m_user);
    if (parent == 0) {
        insert.BindNull(2);
    } else {
        insert.Bind(2, parent);
    }
    insert.Bind(3, name).Bind(4, pos).Bind(5, ValueTypeName(value.Type()));
    if (value.Type() == ValueType::Text) {
        insert.Bind(6, std::string_view(value.Text()));
    } else if (value.IsScalar()) {
        insert.Bind(6, value.Integer());
    } else {
        insert.BindNull(6);
    }
    insert.Run();
    std::int64_t id = sqlite3_last_insert_rowid(m_db.Handle());
    if (value.Type() == ValueType::List) {
        const List& elements = value.Elements();
        for (size_t k = 0; k < elements.size(); ++k)
            Insert(id, "", static_cast<std::int64_t>(k), elements[k]);
    } else if (value.Type() == ValueType::Record) {
        for (const Field& field : value.Members().Fields()) Insert(id, field.key, 0, field.value);
    }
}

void RecordRows::InsertKey(std::string_view key, const Value& value) {
    Insert(0, key, 0, value);
}

bool RecordRows::DeleteKey(std::string_view key) {
    Statement remove(m_db, kDeleteKey);
    remove.Bind(1, m_user).Bind(2, key).Run();
    return sqlite3_changes(m_db.Handle()) > 0;
}

void RecordRows::DeleteAll() {
    Statement remove(m_db, "DELETE FROM fields WHERE user = ?1");
    remove.Bind(1, m_user).Run();
}

void RecordRows::Corrupt(const Row& row, std::string_view problem) const {
    throw StoreError(m_db.File(), "the record of user " + std::to_string(m_user) +
                                      " is corrupt: field " + std::to_string(row.id) + " (\"" +
                                      row.name + "\") has " + std::string(problem));
}

}  // namespace nuvclient
