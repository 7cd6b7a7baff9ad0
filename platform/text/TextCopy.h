// Copying text into a caller's fixed-size buffer, as LoadString and GetMenuString do.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace winport {

// Copies the longest beginning of |text| that fits |size| - 1 bytes without cutting a UTF-8
// sequence, then a terminating zero; answers the bytes copied. |buffer| is not null, |size| > 0.
inline int CopyTextToBuffer(std::string_view text, char* buffer, int size) {
    std::size_t length = text.size();
    if (length >= static_cast<std::size_t>(size)) {
        length = static_cast<std::size_t>(size) - 1;
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    }
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

}  // namespace winport
