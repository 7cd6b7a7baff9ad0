// A user's record as the host hands it out: values by key, each an integer of one of the C
// types, a text, a list, or a nested property set. Text is UTF-16 at this boundary.
#pragma once

#include <cstdint>

#include "platform/com/Unknown.h"
#include "platform/text/Bstr.h"

enum class NUVValueType : LONG {
    Missing = 0,
    Char,
    Bool,
    UChar,
    Short,
    UShort,
    Int,
    UInt,
    Long,
    ULong,
    Text,
    List,
    PropertySet,
};

enum class NUVOpenMode : LONG { Existing = 0, Create = 1 };

// A key or list element holds a value of another type than the operation needs.
inline constexpr HRESULT NUV_E_TYPEMISMATCH = winport::MakeHResult(0x80040200);

// The integer a value of an integer |type| holds: |value| converted to that type as C converts,
// then widened back. The same for every other type.
constexpr std::int64_t NUVIntegerOf(NUVValueType type, std::int64_t value) {
    switch (type) {
        case NUVValueType::Char: return static_cast<char>(value);
        case NUVValueType::Bool: return value != 0;
        case NUVValueType::UChar: return static_cast<unsigned char>(value);
        case NUVValueType::Short: return static_cast<short>(value);
        case NUVValueType::UShort: return static_cast<unsigned short>(value);
        case NUVValueType::Int: return static_cast<int>(value);
        case NUVValueType::UInt: return static_cast<unsigned int>(value);
        default: return value;
    }
}

constexpr bool NUVIsIntegerType(NUVValueType type) {
    return type >= NUVValueType::Char && type <= NUVValueType::ULong;
}

// The index that addresses a key's own value, and the highest list index a write accepts.
inline constexpr LONG kNUVOwnValue = -1;
inline constexpr LONG kNUVMaxListIndex = 0xFFFF;

// The operations are the host's own. Every one addresses a value by |key| and |index|: index -1
// is the key's own value, 0 and up element |index| of the list the key holds. A list element
// is an integer, a text or a property set, never a list; a missing element reads as Missing.
class MINUVPropertySet : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{A9E8976F-8608-4098-9BC8-62A8FB0A681E}");

    // S_OK with |type| Missing when nothing is there. |integer| (may be null) receives the
    // value of an integer type (as NUVIntegerOf gives it) or the element count of a list, else
    // 0; |text| (may be null) receives a text as a BSTR the caller frees, else null.
    virtual HRESULT GetValue(LPCOLESTR key, LONG index, NUVValueType* type, std::int64_t* integer,
                             BSTR* text) = 0;
    // Stores |value| as an integer of |type| (E_INVALIDARG for another type). With an index,
    // a key that holds no list becomes a list, and a list grows to hold the element.
    virtual HRESULT SetInteger(LPCOLESTR key, LONG index, NUVValueType type,
                               std::int64_t value) = 0;
    // Stores a text; indexes as SetInteger.
    virtual HRESULT SetText(LPCOLESTR key, LONG index, LPCOLESTR text) = 0;
    // The nested property set at (key, index), live: writes to it change this record. Existing:
    // S_FALSE and null when nothing is there, NUV_E_TYPEMISMATCH for another type. Create: an
    // empty set replaces whatever was there unless it was a set. The caller releases |set|.
    virtual HRESULT OpenPropertySet(LPCOLESTR key, LONG index, NUVOpenMode mode,
                                    MINUVPropertySet** set) = 0;
    // S_FALSE when the key was not there.
    virtual HRESULT Remove(LPCOLESTR key) = 0;
};
