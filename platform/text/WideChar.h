// Wide characters as COM boundaries see them: UTF-16 code units.
#pragma once

#include <string>
#include <string_view>

using WCHAR = char16_t;
using LPCWSTR = const WCHAR*;
using LPWSTR = WCHAR*;
using OLECHAR = WCHAR;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;

namespace winport {

// A view of a null-terminated wide string; a null pointer views as empty.
inline std::u16string_view WideView(LPCWSTR text) {
    return text ? std::u16string_view(text) : std::u16string_view();
}

}  // namespace winport
