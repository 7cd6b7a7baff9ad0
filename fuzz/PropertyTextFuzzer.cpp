// Any bytes cross the UTF-16 boundary of the property sets and back: well-formed UTF-8 comes back
// as it was, anything else comes back well-formed and then stays as it is; any UTF-16 (the
// input's bytes taken in pairs) comes out as well-formed UTF-8, and back unchanged when it has no
// lone surrogate.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "hostlib/property/PropertyText.h"

namespace {

bool IsWellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
            return false;
        i += length;
    }
    return true;
}

bool HasLoneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 0xD800 && text[i] < 0xDC00) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] >= 0xE000) return true;
            ++i;
        } else if (text[i] >= 0xDC00 && text[i] < 0xE000) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string back = PropertyTextFromWide(PropertyTextToWide(bytes));
    if (!IsWellFormedUtf8(back)) std::abort();
    if (IsWellFormedUtf8(bytes) && back != bytes) std::abort();
    if (PropertyTextFromWide(PropertyTextToWide(back)) != back) std::abort();

    std::u16string wide;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        wide += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    const std::string narrow = PropertyTextFromWide(wide);
    if (!IsWellFormedUtf8(narrow)) std::abort();
    if (!HasLoneSurrogate(wide) && PropertyTextToWide(narrow) != wide) std::abort();
    return 0;
}
