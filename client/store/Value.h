#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nuvclient {

// The types a user record keeps. The integer widths are those the record's readers use:
// char, short and int/long of a 32-bit Windows program.
enum class ValueType { Int8, UInt8, Int16, UInt16, Int32, UInt32, Bool, Text, List, Record };

std::string_view ValueTypeName(ValueType type);
bool ParseValueType(std::string_view name, ValueType& type);

class Value;
struct Field;
using List = std::vector<Value>;

// A keyed record: one level of a user's tree of keys, kept sorted by key.
class Record {
public:
    // Defined once Field is complete, below: a vector's members need their element type whole.
    Record();
    ~Record();
    Record(const Record&);
    Record(Record&&) noexcept;
    Record& operator=(const Record&);
    Record& operator=(Record&&) noexcept;

    const Value* Find(std::string_view key) const;
    Value* Find(std::string_view key);
    // Adds |key| or replaces its value.
    void Set(std::string_view key, Value value);
    bool Remove(std::string_view key);
    const std::vector<Field>& Fields() const { return m_fields; }
    // The integer (or bool) |key| holds; |missing| when it is absent or holds anything else.
    std::int64_t IntegerOf(std::string_view key, std::int64_t missing) const;
    bool operator==(const Record&) const;

private:
    std::vector<Field> m_fields;
};

// One typed value: a scalar, a list of values or a nested record.
class Value {
public:
    Value() : m_data(std::string()) {}
    static Value Int8(std::int8_t v) { return Value(v); }
    static Value UInt8(std::uint8_t v) { return Value(v); }
    static Value Int16(std::int16_t v) { return Value(v); }
    static Value UInt16(std::uint16_t v) { return Value(v); }
    static Value Int32(std::int32_t v) { return Value(v); }
    static Value UInt32(std::uint32_t v) { return Value(v); }
    static Value Bool(bool v) { return Value(v); }
    static Value Text(std::string v) { return Value(std::move(v)); }
    static Value OfList(List v) { return Value(std::move(v)); }
    static Value OfRecord(Record v) { return Value(std::move(v)); }
    // Builds a scalar of |type| from its stored integer; false when it is out of range.
    static bool FromInteger(ValueType type, std::int64_t stored, Value& out);

    ValueType Type() const { return static_cast<ValueType>(m_data.index()); }
    bool IsScalar() const { return Type() != ValueType::List && Type() != ValueType::Record; }
    // The integer a scalar of an integer or bool type holds.
    std::int64_t Integer() const;
    const std::string& Text() const { return std::get<std::string>(m_data); }
    const List& Elements() const { return std::get<List>(m_data); }
    List& Elements() { return std::get<List>(m_data); }
    const nuvclient::Record& Members() const { return std::get<nuvclient::Record>(m_data); }
    nuvclient::Record& Members() { return std::get<nuvclient::Record>(m_data); }

    bool operator==(const Value&) const;

private:
    // The alternatives stand in the order of ValueType.
    using Data = std::variant<std::int8_t, std::uint8_t, std::int16_t, std::uint16_t, std::int32_t,
                              std::uint32_t, bool, std::string, List, nuvclient::Record>;
    template <typename T>
    explicit Value(T v) : m_data(std::in_place_type<T>, std::move(v)) {}

    Data m_data;
};

struct Field {
    std::string key;
    Value value;
    bool operator==(const Field&) const = default;
};

inline Record::Record() = default;
inline Record::~Record() = default;
inline Record::Record(const Record&) = default;
inline Record::Record(Record&&) noexcept = default;
inline Record& Record::operator=(const Record&) = default;
inline Record& Record::operator=(Record&&) noexcept = default;

}  // namespace nuvclient
