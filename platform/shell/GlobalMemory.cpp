#include "platform/shell/GlobalMemory.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <unordered_map>

#include "platform/core/LastError.h"

namespace {

// Without GMEM_ZEROINIT the contents are indeterminate; a fill pattern makes code that relies on
// zeros fail here as it may on Windows.
constexpr BYTE kUninitializedFill = 0xCD;
constexpr SIZE_T kMaxBlockSize = INT_MAX;
// The allocation flags GlobalFlags reports back.
constexpr UINT kReportedFlags = GMEM_DDESHARE | GMEM_DISCARDABLE;

struct Block {
    std::unique_ptr<BYTE[]> data;  // null while a moveable block is discarded
    SIZE_T size = 0;
    bool moveable = false;
    UINT flags = 0;
    UINT lockCount = 0;  // moveable blocks only; saturates at GMEM_LOCKCOUNT
};

std::string HandleText(const void* handle) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", handle);
    return text;
}

void FailInvalidHandle(const char* function, HGLOBAL handle) {
    winport::SetLastErrorText(
        ERROR_INVALID_HANDLE,
        std::string(function) + ": " + HandleText(handle) + " is not a global memory handle");
}

void FailTooLarge(const char* function, SIZE_T bytes) {
    winport::SetLastErrorText(ERROR_NOT_ENOUGH_MEMORY, std::string(function) + ": " +
                                                           std::to_string(bytes) +
                                                           " bytes is more than a block can hold");
}

// A buffer of |bytes| that starts with the first bytes of |old|; the rest is zeroed or filled.
std::unique_ptr<BYTE[]> NewBuffer(SIZE_T bytes, const Block* old, bool zeroInit) {
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[bytes]);
    if (!buffer) return nullptr;
    const SIZE_T kept = old && old->data ? std::min(bytes, old->size) : 0;
    if (kept) std::memcpy(buffer.get(), old->data.get(), kept);
    std::memset(buffer.get() + kept, zeroInit ? 0 : kUninitializedFill, bytes - kept);
    return buffer;
}

// The table of live blocks. A fixed block is keyed by its address, a moveable one by the address
// of its bookkeeping, so the two kinds of handle never collide.
class GlobalHeap {
public:
    static GlobalHeap& Instance() {
        static auto* heap = new GlobalHeap();  // never destroyed: blocks may be freed at exit
        return *heap;
    }

    std::mutex& Mutex() { return m_mutex; }

    Block* Find(HGLOBAL handle) {
        const auto it = m_blocks.find(reinterpret_cast<UINT_PTR>(handle));
        return it == m_blocks.end() ? nullptr : it->second.get();
    }

    HGLOBAL Insert(std::unique_ptr<Block> block) {
        const void* address = block->moveable ? static_cast<const void*>(block.get())
                                              : static_cast<const void*>(block->data.get());
        const auto key = reinterpret_cast<UINT_PTR>(address);
        m_blocks.emplace(key, std::move(block));
        return reinterpret_cast<HGLOBAL>(key);
    }

    std::unique_ptr<Block> Extract(HGLOBAL handle) {
        auto node = m_blocks.extract(reinterpret_cast<UINT_PTR>(handle));
        return node ? std::move(node.mapped()) : nullptr;
    }

    std::size_t Count() const { return m_blocks.size(); }

private:
    std::mutex m_mutex;
    std::unordered_map<UINT_PTR, std::unique_ptr<Block>> m_blocks;
};

HGLOBAL ResizeFixed(GlobalHeap& heap, const Block& block, HGLOBAL handle, SIZE_T bytes,
                    UINT flags) {
    if (!(flags & GMEM_MOVEABLE)) {
        winport::SetLastErrorText(ERROR_NOT_ENOUGH_MEMORY,
                                  "GlobalReAlloc: fixed block " + HandleText(handle) +
                                      " cannot move without GMEM_MOVEABLE");
        return nullptr;
    }
    const SIZE_T size = std::max<SIZE_T>(bytes, 1);
    auto buffer = NewBuffer(size, &block, flags & GMEM_ZEROINIT);
    if (!buffer) {
        FailTooLarge("GlobalReAlloc", bytes);
        return nullptr;
    }
    auto moved = heap.Extract(handle);
    moved->data = std::move(buffer);
    moved->size = size;
    return heap.Insert(std::move(moved));
}

HGLOBAL ResizeMoveable(Block& block, HGLOBAL handle, SIZE_T bytes, UINT flags) {
    if (bytes == 0) {
        if (block.lockCount) {
            winport::SetLastErrorText(
                ERROR_INVALID_PARAMETER,
                "GlobalReAlloc: locked block " + HandleText(handle) + " cannot be discarded");
            return nullptr;
        }
        block.data.reset();
        block.size = 0;
        return handle;
    }
    auto buffer = NewBuffer(bytes, &block, flags & GMEM_ZEROINIT);
    if (!buffer) {
        FailTooLarge("GlobalReAlloc", bytes);
        return nullptr;
    }
    block.data = std::move(buffer);
    block.size = bytes;
    return handle;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
    auto block = std::make_unique<Block>();
    block->moveable = (uFlags & GMEM_MOVEABLE) != 0;
    block->flags = uFlags & kReportedFlags;
    const SIZE_T bytes = block->moveable ? dwBytes : std::max<SIZE_T>(dwBytes, 1);
    if (bytes > kMaxBlockSize) {
        FailTooLarge("GlobalAlloc", dwBytes);
        return nullptr;
    }
    if (bytes) {
        block->data = NewBuffer(bytes, nullptr, uFlags & GMEM_ZEROINIT);
        if (!block->data) {
            FailTooLarge("GlobalAlloc", dwBytes);
            return nullptr;
        }
        block->size = bytes;
    }
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    return heap.Insert(std::move(block));
}

HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    Block* block = heap.Find(hMem);
    if (!block) {
        FailInvalidHandle("GlobalReAlloc", hMem);
        return nullptr;
    }
    if (uFlags & GMEM_MODIFY) {
        if (block->moveable || !(uFlags & GMEM_MOVEABLE)) return hMem;
        auto converted = heap.Extract(hMem);
        converted->moveable = true;
        return heap.Insert(std::move(converted));
    }
    if (dwBytes > kMaxBlockSize) {
        FailTooLarge("GlobalReAlloc", dwBytes);
        return nullptr;
    }
    return block->moveable ? ResizeMoveable(*block, hMem, dwBytes, uFlags)
                           : ResizeFixed(heap, *block, hMem, dwBytes, uFlags);
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
    if (!hMem) return nullptr;
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    if (!heap.Extract(hMem)) {
        FailInvalidHandle("GlobalFree", hMem);
        return hMem;
    }
    return nullptr;
}

void* GlobalLock(HGLOBAL hMem) {
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    Block* block = heap.Find(hMem);
    if (!block) {
        FailInvalidHandle("GlobalLock", hMem);
        return nullptr;
    }
    if (!block->data) {
        winport::SetLastErrorText(ERROR_DISCARDED,
                                  "GlobalLock: block " + HandleText(hMem) + " is discarded");
        return nullptr;
    }
    if (block->moveable && block->lockCount < GMEM_LOCKCOUNT) ++block->lockCount;
    return block->data.get();
}

BOOL GlobalUnlock(HGLOBAL hMem) {
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    Block* block = heap.Find(hMem);
    if (!block) {
        // Windows answers nonzero for a handle it does not know, and sets ERROR_INVALID_HANDLE.
        FailInvalidHandle("GlobalUnlock", hMem);
        return TRUE;
    }
    if (!block->moveable) return TRUE;
    if (block->lockCount == 0) {
        winport::SetLastErrorText(ERROR_NOT_LOCKED,
                                  "GlobalUnlock: block " + HandleText(hMem) + " is not locked");
        return FALSE;
    }
    if (--block->lockCount > 0) return TRUE;
    SetLastError(ERROR_SUCCESS);
    return FALSE;
}

SIZE_T GlobalSize(HGLOBAL hMem) {
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    const Block* block = heap.Find(hMem);
    if (!block) {
        FailInvalidHandle("GlobalSize", hMem);
        return 0;
    }
    return block->size;
}

UINT GlobalFlags(HGLOBAL hMem) {
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    const Block* block = heap.Find(hMem);
    if (!block) {
        FailInvalidHandle("GlobalFlags", hMem);
        return GMEM_INVALID_HANDLE;
    }
    return block->flags | block->lockCount | (block->data ? 0 : GMEM_DISCARDED);
}

namespace winport {

std::size_t LiveGlobalBlocks() {
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    return heap.Count();
}

std::optional<std::vector<BYTE>> GlobalBlockContents(HGLOBAL hMem) {
    GlobalHeap& heap = GlobalHeap::Instance();
    std::lock_guard lock(heap.Mutex());
    const Block* block = heap.Find(hMem);
    if (!block || !block->data) return std::nullopt;
    return std::vector<BYTE>(block->data.get(), block->data.get() + block->size);
}

}  // namespace winport
