#include "client/store/Value.h"

#include <algorithm>
#include <array>
#include <limits>

namespace nuvclient {
namespace {

constexpr std::array<std::string_view, 10> kTypeNames = {"i8",  "u8",   "i16",  "u16",  "i32",
                                                         "u32", "bool", "text", "list", "record"};

template <typename T>
bool InRange(std::int64_t v) {
    return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

auto LowerBound(auto& fields, std::string_view key) {
    return std::lower_bound(
        fields.begin(), fields.end(), key,
        [](const Field& f, std::string_view k) { return f.key.compare(k) < 0; });
}

}  // namespace

std::string_view ValueTypeName(ValueType type) {
    return kTypeNames[static_cast<size_t>(type)];
}

bool ParseValueType(std::string_view name, ValueType& type) {
    auto it = std::find(kTypeNames.begin(), kTypeNames.end(), name);
    if (it == kTypeNames.end()) return false;
    type = static_cast<ValueType>(it - kTypeNames.begin());
    return true;
}

const Value* Record::Find(std::string_view key) const {
    auto it = LowerBound(m_fields, key);
    return it != m_fields.end() && it->key == key ? &it->value : nullptr;
}

Value* Record::Find(std::string_view key) {
    auto it = LowerBound(m_fields, key);
    return it != m_fields.end() && it->key == key ? &it->value : nullptr;
}

void Record::Set(std::string_view key, Value value) {
    auto it = LowerBound(m_fields, key);
    if (it != m_fields.end() && it->key == key) {
        it->value = std::move(value);
        return;
    }
    m_fields.insert(it, Field{std::string(key), std::move(value)});
}

bool Record::Remove(std::string_view key) {
    auto it = LowerBound(m_fields, key);
    if (it == m_fields.end() || it->key != key) return false;
    m_fields.erase(it);
    return true;
}

std::int64_t Record::IntegerOf(std::string_view key, std::int64_t missing) const {
    const Value* value = Find(key);
    return value && value->IsScalar() && value->Type() != ValueType::Text ? value->Integer()
                                                                          : missing;
}

bool Record::operator==(const Record& other) const {
    return m_fields == other.m_fields;
}

bool Value::FromInteger(ValueType type, std::int64_t stored, Value& out) {
    switch (type) {
        case ValueType::Int8:
            if (!InRange<std::int8_t>(stored)) return false;
            out = Int8(static_cast<std::int8_t>(stored));
            return true;
        case ValueType::UInt8:
            if (!InRange<std::uint8_t>(stored)) return false;
            out = UInt8(static_cast<std::uint8_t>(stored));
            return true;
        case ValueType::Int16:
            if (!InRange<std::int16_t>(stored)) return false;
            out = Int16(static_cast<std::int16_t>(stored));
            return true;
        case ValueType::UInt16:
            if (!InRange<std::uint16_t>(stored)) return false;
            out = UInt16(static_cast<std::uint16_t>(stored));
            return true;
        case ValueType::Int32:
            if (!InRange<std::int32_t>(stored)) return false;
            out = Int32(static_cast<std::int32_t>(stored));
            return true;
        case ValueType::UInt32:
            if (!InRange<std::uint32_t>(stored)) return false;
            out = UInt32(static_cast<std::uint32_t>(stored));
            return true;
        case ValueType::Bool:
            if (stored != 0 && stored != 1) return false;
            out = Bool(stored != 0);
            return true;
        default: return false;
    }
}

std::int64_t Value::Integer() const {
    return std::visit(
        [](const auto& v) -> std::int64_t {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_integral_v<T>) {
                return static_cast<std::int64_t>(v);
            } else {
                return 0;
            }
        },
        m_data);
}

bool Value::operator==(const Value& other) const {
    return m_data == other.m_data;
}

}  // namespace nuvclient
