#include "hostlib/property/PropertyText.h"

#include <algorithm>
#include <type_traits>

#include "platform/text/Utf16.h"

namespace {

template <class Unit>
bool IsAscii(std::basic_string_view<Unit> text) {
    return std::all_of(text.begin(), text.end(), [](Unit unit) {
        return static_cast<std::make_unsigned_t<Unit>>(unit) < 0x80;
    });
}

}  // namespace

std::u16string PropertyTextToWide(std::string_view text) {
    if (!IsAscii(text)) return winport::Utf8ToUtf16(text);
    return std::u16string(text.begin(), text.end());
}

std::string PropertyTextFromWide(std::u16string_view text) {
    if (!IsAscii(text)) return winport::Utf16ToUtf8(text);
    std::string narrow(text.size(), '\0');
    std::transform(text.begin(), text.end(), narrow.begin(),
                   [](char16_t unit) { return static_cast<char>(unit); });
    return narrow;
}
