// BSTR: a length-prefixed wide string from the COM task allocator. The pointer addresses the
// characters; the four bytes before them hold the length in bytes, and a zero follows them.
#pragma once

#include <cstddef>

#include "platform/core/WinTypes.h"
#include "platform/text/WideChar.h"

using BSTR = OLECHAR*;

// A null string gives a null BSTR.
BSTR SysAllocString(LPCOLESTR text);
// Copies |length| characters, embedded zeros included; a null |text| gives zeros.
BSTR SysAllocStringLen(LPCOLESTR text, UINT length);
// Null is accepted; a pointer that is not a live BSTR is refused with a last error.
void SysFreeString(BSTR text);
// The length in characters; 0 for null.
UINT SysStringLen(BSTR text);

namespace winport {

// BSTRs allocated and not yet freed, for leak checks.
std::size_t LiveBstrCount();

}  // namespace winport
