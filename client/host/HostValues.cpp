#include "client/host/HostValues.h"

#include <limits>

namespace nuvclient {
namespace {

bool FitsInt32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

bool FitsUInt32(std::int64_t value) {
    return value >= 0 && value <= std::numeric_limits<std::uint32_t>::max();
}

}  // namespace

HRESULT StoreInteger(NUVValueType type, std::int64_t value, Value& out) {
    switch (type) {
        case NUVValueType::Char: out = Value::Int8(static_cast<std::int8_t>(value)); break;
        case NUVValueType::Bool: out = Value::Bool(value != 0); break;
        case NUVValueType::UChar: out = Value::UInt8(static_cast<std::uint8_t>(value)); break;
        case NUVValueType::Short: out = Value::Int16(static_cast<std::int16_t>(value)); break;
        case NUVValueType::UShort: out = Value::UInt16(static_cast<std::uint16_t>(value)); break;
        case NUVValueType::Int: out = Value::Int32(static_cast<std::int32_t>(value)); break;
        case NUVValueType::UInt: out = Value::UInt32(static_cast<std::uint32_t>(value)); break;
        case NUVValueType::Long:
            if (FitsInt32(value)) {
                out = Value::Int32(static_cast<std::int32_t>(value));
                break;
            }
            [[fallthrough]];
        case NUVValueType::ULong:
            if (!FitsUInt32(value)) return kValueOverflow;
            out = Value::UInt32(static_cast<std::uint32_t>(value));
            break;
        default: return E_INVALIDARG;
    }
    return S_OK;
}

NUVValueType HostTypeOf(ValueType type) {
    switch (type) {
        case ValueType::Int8: return NUVValueType::Char;
        case ValueType::UInt8: return NUVValueType::UChar;
        case ValueType::Int16: return NUVValueType::Short;
        case ValueType::UInt16: return NUVValueType::UShort;
        case ValueType::Int32: return NUVValueType::Int;
        case ValueType::UInt32: return NUVValueType::UInt;
        case ValueType::Bool: return NUVValueType::Bool;
        case ValueType::Text: return NUVValueType::Text;
        case ValueType::List: return NUVValueType::List;
        case ValueType::Record: return NUVValueType::PropertySet;
    }
    return NUVValueType::Missing;
}

}  // namespace nuvclient
