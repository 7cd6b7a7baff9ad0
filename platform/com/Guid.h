// GUIDs: the structure, its registry text form "{C68A53C0-379D-11D3-BCD7-0050048EBC8D}" and the
// conversions COM offers for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/HResult.h"
#include "platform/core/WinTypes.h"
#include "platform/text/WideChar.h"

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
    friend constexpr bool operator==(const GUID&, const GUID&) = default;
};
using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr GUID GUID_NULL{};
inline constexpr IID IID_NULL{};
inline constexpr CLSID CLSID_NULL{};

constexpr bool IsEqualGUID(REFGUID a, REFGUID b) {
    return a == b;
}
constexpr bool IsEqualIID(REFIID a, REFIID b) {
    return a == b;
}
constexpr bool IsEqualCLSID(REFCLSID a, REFCLSID b) {
    return a == b;
}

// The number of characters of the text form, terminator included.
inline constexpr int CHARS_IN_GUID = 39;

template <>
struct std::hash<GUID> {
    std::size_t operator()(const GUID& guid) const noexcept {
        std::uint64_t tail = 0;
        for (BYTE byte : guid.Data4) tail = (tail << 8) | byte;
        const std::uint64_t head =
            (std::uint64_t{guid.Data1} << 32) | (std::uint64_t{guid.Data2} << 16) | guid.Data3;
        return std::hash<std::uint64_t>{}(head ^ (tail * 0x9E3779B97F4A7C15ull));
    }
};

namespace winport {

namespace detail {

constexpr int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads hex digits already checked by ParseGuid.
constexpr std::uint32_t HexValue(std::string_view digits) {
    std::uint32_t value = 0;
    for (char c : digits) value = (value << 4) | static_cast<std::uint32_t>(HexDigit(c));
    return value;
}

// Not constexpr: reaching it while evaluating MakeGuid stops compilation.
inline void MalformedGuidText() {}

}  // namespace detail

// Accepts exactly the braced registry form, hex digits in either case.
constexpr std::optional<GUID> ParseGuid(std::string_view text) {
    constexpr std::string_view kShape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool ok = kShape[i] == 'X' ? detail::HexDigit(text[i]) >= 0 : text[i] == kShape[i];
        if (!ok) return std::nullopt;
    }
    GUID guid{};
    guid.Data1 = detail::HexValue(text.substr(1, 8));
    guid.Data2 = static_cast<WORD>(detail::HexValue(text.substr(10, 4)));
    guid.Data3 = static_cast<WORD>(detail::HexValue(text.substr(15, 4)));
    constexpr std::size_t kByteOffsets[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < 8; ++i) {
        guid.Data4[i] = static_cast<BYTE>(detail::HexValue(text.substr(kByteOffsets[i], 2)));
    }
    return guid;
}

// A GUID literal from its text, checked at compile time:
// static constexpr IID kIid = winport::MakeGuid("{00000000-0000-0000-C000-000000000046}");
consteval GUID MakeGuid(std::string_view text) {
    const std::optional<GUID> guid = ParseGuid(text);
    if (!guid) detail::MalformedGuidText();
    return *guid;
}

// The braced upper-case form.
std::string GuidToString(const GUID& guid);

}  // namespace winport

// Reads the braced form; a null string gives CLSID_NULL, as on Windows.
HRESULT CLSIDFromString(LPCOLESTR text, CLSID* clsid);
// Writes the braced form; returns the characters written including the terminator, or 0 when
// |cchMax| is below CHARS_IN_GUID.
int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int cchMax);
