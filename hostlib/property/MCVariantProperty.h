// MCVariantProperty: one value of a user's record, reached through MCVariantPropertySet by
// key, then by further keys (nested property sets) or an index (list elements).
//
// Reading converts as C converts: a stored 255 read as a char gives -1, a stored -1 read as an
// unsigned short gives 65535, and bool is "nonzero". A missing value reads as 0, false or
// empty. A text stays a text when written, even one that spells a number; read as a number it
// converts as strtoll reads it in base 10 (leading blanks, a sign, digits; otherwise 0). A
// number read as text gives its decimal form (a bool 0 or 1). Lists and property sets read as
// 0 or empty. Without a property set interface every read is missing and every write ignored.
//
// Texts are UTF-8. Assign a value to an existing std::string with std::string(property).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "module/host/MINUVPropertySet.h"
#include "platform/com/ComPtr.h"

class MCVariantProperty {
public:
    // Holds its own reference to |root|, which may be null.
    MCVariantProperty(winport::ComPtr<MINUVPropertySet> root, std::string_view key);
    MCVariantProperty(const MCVariantProperty&) = default;
    // Assigning one property to another would be read as a rebinding; convert explicitly.
    MCVariantProperty& operator=(const MCVariantProperty&) = delete;

    operator char() const;
    operator bool() const;
    operator unsigned char() const;
    operator short() const;
    operator unsigned short() const;
    operator int() const;
    operator unsigned int() const;
    operator long() const;
    operator unsigned long() const;
    operator std::string() const;

    MCVariantProperty& operator=(char value);
    MCVariantProperty& operator=(bool value);
    MCVariantProperty& operator=(unsigned char value);
    MCVariantProperty& operator=(short value);
    MCVariantProperty& operator=(unsigned short value);
    MCVariantProperty& operator=(int value);
    MCVariantProperty& operator=(unsigned int value);
    MCVariantProperty& operator=(long value);
    MCVariantProperty& operator=(unsigned long value);
    MCVariantProperty& operator=(std::string_view text);
    // A null pointer writes the empty text.
    MCVariantProperty& operator=(const char* text);

    // The value under |key| of the property set this value holds; writing through it makes
    // the nested set when it is missing.
    MCVariantProperty operator[](std::string_view key);
    const MCVariantProperty operator[](std::string_view key) const;
    // An exact match for literals, which the integer conversions would otherwise subscript.
    MCVariantProperty operator[](const char* key) { return Child(key ? key : ""); }
    const MCVariantProperty operator[](const char* key) const { return Child(key ? key : ""); }
    // Element |index| of the list this value holds; writing past the end grows the list. A
    // list element holds no list: indexing an element, or a negative index, reaches nothing.
    MCVariantProperty operator[](int index);
    const MCVariantProperty operator[](int index) const;

    // The element count of a list; 0 for anything else.
    int GetSize() const;
    // Whether a value of any type is there: a missing one reads as 0 like a stored 0.
    bool Exists() const;

private:
    struct Step {
        std::u16string key;
        LONG index;
    };
    struct Value {
        NUVValueType type = NUVValueType::Missing;
        std::int64_t integer = 0;
        std::string text;
    };

    MCVariantProperty Child(std::string_view key) const;
    MCVariantProperty Element(int index) const;
    // The property set holding the addressed value, made along the way with Create; null when
    // nothing is reached. |nested| keeps a nested set alive while the answer is used.
    MINUVPropertySet* Container(NUVOpenMode mode, winport::ComPtr<MINUVPropertySet>& nested) const;
    Value Read() const;
    std::int64_t ReadInteger() const;
    MCVariantProperty& WriteInteger(NUVValueType type, std::int64_t value);
    MCVariantProperty& WriteText(std::string_view text);

    winport::ComPtr<MINUVPropertySet> m_root;
    // Every step but the last names a nested property set; empty when nothing is reached.
    std::vector<Step> m_path;
};
