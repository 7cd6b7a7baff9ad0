#include "platform/text/Utf16.h"

#include "platform/text/Utf8.h"

namespace winport {

namespace {

constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf16(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Utf8Decoded decoded = DecodeUtf8(utf8);
        AppendUtf16(out, decoded.codePoint);
        utf8.remove_prefix(decoded.length);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t codePoint = utf16[i];
        if (IsHighSurrogate(codePoint) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        }
        AppendUtf8(out, codePoint);  // a lone surrogate becomes U+FFFD there
    }
    return out;
}

std::string Utf16ToUtf8(LPCWSTR utf16) {
    return Utf16ToUtf8(WideView(utf16));
}

}  // namespace winport
