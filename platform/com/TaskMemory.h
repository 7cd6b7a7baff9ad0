// The COM task allocator: memory that crosses COM boundaries (strings handed out, BSTRs) comes
// from it and goes back to it, whoever frees it.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/com/Unknown.h"

using SIZE_T = std::size_t;

inline constexpr DWORD MEMCTX_TASK = 1;

class IMalloc : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{00000002-0000-0000-C000-000000000046}");

    virtual void* Alloc(SIZE_T cb) = 0;
    // A null block allocates; a zero size frees the block and answers null.
    virtual void* Realloc(void* pv, SIZE_T cb) = 0;
    virtual void Free(void* pv) = 0;
    // The size of a live block; (SIZE_T)-1 for null.
    virtual SIZE_T GetSize(void* pv) = 0;
    // 1 for a live block of this allocator, 0 for any other pointer, -1 for null.
    virtual int DidAlloc(void* pv) = 0;
    virtual void HeapMinimize() = 0;
};
using LPMALLOC = IMalloc*;

// The process-wide allocator; its AddRef and Release never destroy it.
HRESULT CoGetMalloc(DWORD dwMemContext, IMalloc** ppMalloc);
void* CoTaskMemAlloc(SIZE_T cb);
void* CoTaskMemRealloc(void* pv, SIZE_T cb);
void CoTaskMemFree(void* pv);

namespace winport {

// The allocator CoGetMalloc hands out, for callers that need no reference.
IMalloc& TaskAllocator();
// Blocks allocated and not yet freed, for leak checks.
std::size_t LiveTaskMemoryBlocks();
// A copy of |text| with a terminating zero, in task memory the receiver frees; null when the
// memory cannot be had.
char* CopyToTaskMemory(std::string_view text);

}  // namespace winport
