#include "platform/com/Guid.h"

#include <algorithm>

#include "platform/core/LastError.h"
#include "platform/text/Utf16.h"

namespace winport {

namespace {

void AppendHex(std::string& out, std::uint32_t value, int digits) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out.push_back(kDigits[(value >> shift) & 0xF]);
    }
}

}  // namespace

std::string GuidToString(const GUID& guid) {
    std::string text;
    text.reserve(CHARS_IN_GUID - 1);
    text.push_back('{');
    AppendHex(text, guid.Data1, 8);
    text.push_back('-');
    AppendHex(text, guid.Data2, 4);
    text.push_back('-');
    AppendHex(text, guid.Data3, 4);
    text.push_back('-');
    for (int i = 0; i < 8; ++i) {
        if (i == 2) text.push_back('-');
        AppendHex(text, guid.Data4[i], 2);
    }
    text.push_back('}');
    return text;
}

}  // namespace winport

HRESULT CLSIDFromString(LPCOLESTR text, CLSID* clsid) {
    if (!clsid) return E_INVALIDARG;
    *clsid = CLSID_NULL;
    if (!text) return S_OK;
    const std::string narrow = winport::Utf16ToUtf8(text);
    const std::optional<GUID> guid = winport::ParseGuid(narrow);
    if (!guid) {
        winport::SetLastErrorText(static_cast<DWORD>(CO_E_CLASSSTRING),
                                  "CLSIDFromString: \"" + narrow + "\" is not a braced GUID");
        return CO_E_CLASSSTRING;
    }
    *clsid = *guid;
    return S_OK;
}

int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int cchMax) {
    if (!buffer || cchMax < CHARS_IN_GUID) return 0;
    const std::string text = winport::GuidToString(guid);
    *std::copy(text.begin(), text.end(), buffer) = u'\0';
    return CHARS_IN_GUID;
}
