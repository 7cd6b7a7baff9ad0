#include "platform/text/Bstr.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <sstream>
#include <string>

#include "platform/com/TaskMemory.h"
#include "platform/core/LastError.h"

namespace {

constexpr std::size_t kPrefixBytes = sizeof(DWORD);
// The byte length must fit the prefix together with the terminator.
constexpr UINT kMaxLength = (0xFFFFFFFFu - kPrefixBytes - sizeof(OLECHAR)) / sizeof(OLECHAR);

std::atomic<std::size_t> g_liveBstrs{0};

BYTE* BlockOf(BSTR text) {
    return reinterpret_cast<BYTE*>(text) - kPrefixBytes;
}

}  // namespace

BSTR SysAllocString(LPCOLESTR text) {
    if (!text) return nullptr;
    return SysAllocStringLen(text, static_cast<UINT>(winport::WideView(text).size()));
}

BSTR SysAllocStringLen(LPCOLESTR text, UINT length) {
    if (length > kMaxLength) {
        winport::SetLastErrorText(
            ERROR_NOT_ENOUGH_MEMORY,
            "SysAllocStringLen: " + std::to_string(length) + " characters do not fit a BSTR");
        return nullptr;
    }
    const DWORD byteLength = length * sizeof(OLECHAR);
    auto* block = static_cast<BYTE*>(CoTaskMemAlloc(kPrefixBytes + byteLength + sizeof(OLECHAR)));
    if (!block) return nullptr;
    std::memcpy(block, &byteLength, kPrefixBytes);
    auto* chars = reinterpret_cast<OLECHAR*>(block + kPrefixBytes);
    if (text) {
        std::copy_n(text, length, chars);
    } else {
        std::fill_n(chars, length, u'\0');
    }
    chars[length] = u'\0';
    ++g_liveBstrs;
    return chars;
}

void SysFreeString(BSTR text) {
    if (!text) return;
    BYTE* block = BlockOf(text);
    if (winport::TaskAllocator().DidAlloc(block) != 1) {
        std::ostringstream message;
        message << "SysFreeString: " << static_cast<void*>(text) << " is not a live BSTR";
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, message.str());
        return;
    }
    CoTaskMemFree(block);
    --g_liveBstrs;
}

UINT SysStringLen(BSTR text) {
    if (!text) return 0;
    DWORD byteLength = 0;
    std::memcpy(&byteLength, BlockOf(text), kPrefixBytes);
    return byteLength / sizeof(OLECHAR);
}

namespace winport {

std::size_t LiveBstrCount() {
    return g_liveBstrs.load();
}

}  // namespace winport
