#include "hostlib/com/MCBSTR.h"

#include <string>

#include "platform/text/Utf16.h"

MCBSTR::MCBSTR(std::string_view text) {
    const std::u16string wide = winport::Utf8ToUtf16(text);
    m_text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

MCBSTR::~MCBSTR() {
    SysFreeString(m_text);
}
