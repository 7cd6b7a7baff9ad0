#include "platform/controls/EditText.h"

#include <locale.h>
#include <wctype.h>
#include <algorithm>

#include "platform/text/Utf8.h"

namespace winport {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::size_t ByteOffset(std::string_view text, std::size_t position) {
    return Utf8OffsetOfCodePoint(text, position);
}

std::size_t PositionOf(std::string_view text, std::size_t byteOffset) {
    return CodePointCount(text.substr(0, byteOffset));
}

// Case mapping for every script needs the C library's Unicode tables; without them only ASCII
// letters convert.
locale_t UnicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return locale;
}

char32_t MapCase(char32_t c, LetterCase letterCase) {
    const bool upper = letterCase == LetterCase::Upper;
    if (const locale_t locale = UnicodeLocale()) {
        const auto wide = static_cast<wint_t>(c);
        return static_cast<char32_t>(upper ? towupper_l(wide, locale) : towlower_l(wide, locale));
    }
    if (upper && c >= U'a' && c <= U'z') return c - U'a' + U'A';
    if (!upper && c >= U'A' && c <= U'Z') return c - U'A' + U'a';
    return c;
}

}  // namespace

std::size_t PreviousCaretStop(std::string_view text, std::size_t position, EditLines lines) {
    position = std::min(position, CodePointCount(text));
    if (position == 0) return 0;
    const std::size_t offset = ByteOffset(text, position);
    const bool afterBreak = offset >= 2 && text.substr(offset - 2, 2) == kLineBreak;
    return lines == EditLines::Multi && afterBreak ? position - 2 : position - 1;
}

std::size_t NextCaretStop(std::string_view text, std::size_t position, EditLines lines) {
    const std::size_t length = CodePointCount(text);
    position = std::min(position, length);
    if (position == length) return length;
    const bool beforeBreak = text.substr(ByteOffset(text, position), 2) == kLineBreak;
    return lines == EditLines::Multi && beforeBreak ? position + 2 : position + 1;
}

std::size_t LineStart(std::string_view text, std::size_t position) {
    const std::size_t offset = ByteOffset(text, position);
    const std::size_t lineBreak = text.substr(0, offset).rfind(kLineBreak);
    return lineBreak == std::string_view::npos ? 0 : PositionOf(text, lineBreak + 2);
}

std::size_t LineEnd(std::string_view text, std::size_t position) {
    const std::size_t lineBreak = text.find(kLineBreak, ByteOffset(text, position));
    return PositionOf(text, lineBreak == std::string_view::npos ? text.size() : lineBreak);
}

std::size_t LineCount(std::string_view text) {
    std::size_t count = 1;
    for (std::size_t at = text.find(kLineBreak); at != std::string_view::npos;
         at = text.find(kLineBreak, at + 2)) {
        ++count;
    }
    return count;
}

std::string ReplaceCodePoints(std::string_view text, std::size_t start, std::size_t end,
                              std::string_view insert) {
    const std::size_t from = ByteOffset(text, start);
    const std::size_t to = ByteOffset(text, end);
    std::string result;
    result.reserve(text.size() - (to - from) + insert.size());
    result.append(text.substr(0, from)).append(insert).append(text.substr(to));
    return result;
}

std::string ConvertCase(std::string_view text, LetterCase letterCase) {
    if (letterCase == LetterCase::AsTyped) return std::string(text);
    std::string result;
    result.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        const Utf8Decoded decoded = DecodeUtf8(text.substr(offset));
        const char32_t mapped = MapCase(decoded.codePoint, letterCase);
        if (mapped == decoded.codePoint) {
            result.append(text.substr(offset, decoded.length));  // Keeps ill-formed bytes intact.
        } else {
            AppendUtf8(result, mapped);
        }
        offset += decoded.length;
    }
    return result;
}

}  // namespace winport
