#include "platform/com/TaskMemory.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sstream>
#include <string_view>
#include <unordered_map>

#include "platform/core/LastError.h"

namespace {

// Every live block is recorded with its size, so GetSize and DidAlloc answer exactly and a
// pointer that is not a live block is refused with a last error instead of corrupting the heap.
class TaskAllocatorImpl final : public IMalloc {
public:
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override {
        if (!ppvObject) return E_POINTER;
        *ppvObject = nullptr;
        if (riid != IUnknown::kIid && riid != IMalloc::kIid) return E_NOINTERFACE;
        *ppvObject = static_cast<IMalloc*>(this);
        return S_OK;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }

    void* Alloc(SIZE_T cb) override {
        void* block = std::malloc(cb ? cb : 1);
        if (!block) return nullptr;
        std::lock_guard lock(m_mutex);
        m_blocks.emplace(block, cb);
        return block;
    }

    void* Realloc(void* pv, SIZE_T cb) override {
        if (!pv) return Alloc(cb);
        if (cb == 0) {
            Free(pv);
            return nullptr;
        }
        std::lock_guard lock(m_mutex);
        const auto found = m_blocks.find(pv);
        if (found == m_blocks.end()) {
            RefuseForeign("Realloc", pv);
            return nullptr;
        }
        void* moved = std::realloc(pv, cb);
        if (!moved) return nullptr;  // the old block stays valid, as realloc leaves it
        m_blocks.erase(found);
        m_blocks.emplace(moved, cb);
        return moved;
    }

    void Free(void* pv) override {
        if (!pv) return;
        std::lock_guard lock(m_mutex);
        if (m_blocks.erase(pv) == 0) {
            RefuseForeign("Free", pv);
            return;
        }
        std::free(pv);
    }

    SIZE_T GetSize(void* pv) override {
        if (!pv) return static_cast<SIZE_T>(-1);
        std::lock_guard lock(m_mutex);
        const auto found = m_blocks.find(pv);
        if (found == m_blocks.end()) {
            RefuseForeign("GetSize", pv);
            return static_cast<SIZE_T>(-1);
        }
        return found->second;
    }

    int DidAlloc(void* pv) override {
        if (!pv) return -1;
        std::lock_guard lock(m_mutex);
        return m_blocks.contains(pv) ? 1 : 0;
    }

    void HeapMinimize() override {}

    std::size_t LiveBlocks() {
        std::lock_guard lock(m_mutex);
        return m_blocks.size();
    }

private:
    static void RefuseForeign(std::string_view operation, void* pv) {
        std::ostringstream text;
        text << "IMalloc::" << operation << ": " << pv << " is not a live task memory block";
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, text.str());
    }

    std::mutex m_mutex;
    std::unordered_map<void*, SIZE_T> m_blocks;
};

// Never destroyed: blocks may be freed by static destructors that run after any other.
TaskAllocatorImpl& Allocator() {
    static auto* allocator = new TaskAllocatorImpl;
    return *allocator;
}

}  // namespace

HRESULT CoGetMalloc(DWORD dwMemContext, IMalloc** ppMalloc) {
    if (!ppMalloc) return E_POINTER;
    *ppMalloc = nullptr;
    if (dwMemContext != MEMCTX_TASK) return E_INVALIDARG;
    *ppMalloc = &Allocator();
    (*ppMalloc)->AddRef();
    return S_OK;
}

void* CoTaskMemAlloc(SIZE_T cb) {
    return Allocator().Alloc(cb);
}
void* CoTaskMemRealloc(void* pv, SIZE_T cb) {
    return Allocator().Realloc(pv, cb);
}
void CoTaskMemFree(void* pv) {
    Allocator().Free(pv);
}

namespace winport {

IMalloc& TaskAllocator() {
    return Allocator();
}
std::size_t LiveTaskMemoryBlocks() {
    return Allocator().LiveBlocks();
}

char* CopyToTaskMemory(std::string_view text) {
    auto* copy = static_cast<char*>(CoTaskMemAlloc(text.size() + 1));
    if (!copy) return nullptr;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

}  // namespace winport
