// Maps window handles to live windows. A handle carries a slot index and the slot's
// generation, so a handle of a destroyed window never finds the slot's next occupant.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

struct Window;
class MessageQueue;

class HandleTable {
public:
    static HandleTable& Instance();

    HWND Add(Window* window);
    void Remove(HWND hwnd);
    // Lock-free; valid on the thread that owns the window, which alone may remove it.
    Window* Find(HWND hwnd) const;
    // Any thread: the queue of the window's thread, with the table held shared so the window
    // cannot be removed before |post| returns.
    template <class Post>
    bool WithQueueOf(HWND hwnd, Post&& post) const;
    size_t LiveCount() const;

private:
    static constexpr unsigned kChunkBits = 10;
    static constexpr size_t kChunkSize = size_t{1} << kChunkBits;
    static constexpr size_t kMaxChunks = 8192;

    struct Slot {
        std::atomic<Window*> window{nullptr};
        std::atomic<std::uint32_t> generation{1};
    };

    Slot* SlotOf(std::uint32_t index) const;
    MessageQueue* QueueOf(const Window* window) const;

    mutable std::shared_mutex m_mutex;
    std::array<std::atomic<Slot*>, kMaxChunks> m_chunks{};
    std::vector<std::unique_ptr<Slot[]>> m_storage;
    std::vector<std::uint32_t> m_free;
    std::uint32_t m_next = 1;  // Index 0 is never used, so no handle is null.
    size_t m_live = 0;
};

template <class Post>
bool HandleTable::WithQueueOf(HWND hwnd, Post&& post) const {
    std::shared_lock lock(m_mutex);
    const Window* window = Find(hwnd);
    if (!window) return false;
    post(*QueueOf(window));
    return true;
}

}  // namespace winport
