// MCBSTR: a text turned into a wide string for a COM call; it owns the BSTR and frees it.
#pragma once

#include <string_view>

#include "platform/text/Bstr.h"

class MCBSTR {
public:
    // |text| is UTF-8; ill-formed bytes become U+FFFD.
    explicit MCBSTR(std::string_view text);
    ~MCBSTR();
    MCBSTR(const MCBSTR&) = delete;
    MCBSTR& operator=(const MCBSTR&) = delete;

    // Owned by this object; null only when memory ran out.
    BSTR Get() const { return m_text; }

private:
    BSTR m_text;
};
