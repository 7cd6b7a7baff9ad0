// Lossless conversion between the project's UTF-8 text and UTF-16 at COM boundaries.
#pragma once

#include <string>
#include <string_view>

#include "platform/text/WideChar.h"

namespace winport {

// Ill-formed input (malformed UTF-8, unpaired surrogates) converts to U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// A null-terminated wide string; a null pointer converts to empty text.
std::string Utf16ToUtf8(LPCWSTR utf16);

}  // namespace winport
