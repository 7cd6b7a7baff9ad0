#include "platform/window/HandleTable.h"

#include "platform/window/Window.h"

namespace winport {
namespace {

constexpr std::uint64_t kIndexMask = 0xFFFFFFFFu;

std::uint64_t Value(HWND hwnd) {
    return reinterpret_cast<std::uintptr_t>(hwnd);
}

}  // namespace

static_assert(sizeof(void*) == 8, "handles carry a 32-bit generation beside the slot index");

HandleTable& HandleTable::Instance() {
    static HandleTable table;
    return table;
}

HandleTable::Slot* HandleTable::SlotOf(std::uint32_t index) const {
    const size_t chunk = index >> kChunkBits;
    if (chunk >= kMaxChunks) return nullptr;
    Slot* slots = m_chunks[chunk].load(std::memory_order_acquire);
    return slots ? &slots[index & (kChunkSize - 1)] : nullptr;
}

MessageQueue* HandleTable::QueueOf(const Window* window) const {
    return window->queue.get();
}

HWND HandleTable::Add(Window* window) {
    std::unique_lock lock(m_mutex);
    std::uint32_t index;
    if (!m_free.empty()) {
        index = m_free.back();
        m_free.pop_back();
    } else {
        index = m_next++;
        const size_t chunk = index >> kChunkBits;
        if (chunk >= kMaxChunks) return nullptr;
        if (!m_chunks[chunk].load(std::memory_order_relaxed)) {
            m_storage.push_back(std::make_unique<Slot[]>(kChunkSize));
            m_chunks[chunk].store(m_storage.back().get(), std::memory_order_release);
        }
    }
    Slot* slot = SlotOf(index);
    slot->window.store(window, std::memory_order_release);
    ++m_live;
    const std::uint64_t generation = slot->generation.load(std::memory_order_relaxed);
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>((generation << 32) | index));
}

void HandleTable::Remove(HWND hwnd) {
    std::unique_lock lock(m_mutex);
    const auto index = static_cast<std::uint32_t>(Value(hwnd) & kIndexMask);
    Slot* slot = SlotOf(index);
    if (!slot || slot->window.load(std::memory_order_relaxed) == nullptr) return;
    slot->window.store(nullptr, std::memory_order_release);
    std::uint32_t next = slot->generation.load(std::memory_order_relaxed) + 1;
    slot->generation.store(next == 0 ? 1 : next, std::memory_order_release);
    m_free.push_back(index);
    --m_live;
}

Window* HandleTable::Find(HWND hwnd) const {
    const std::uint64_t value = Value(hwnd);
    const auto index = static_cast<std::uint32_t>(value & kIndexMask);
    if (index == 0) return nullptr;
    const Slot* slot = SlotOf(index);
    if (!slot) return nullptr;
    if (slot->generation.load(std::memory_order_acquire) != (value >> 32)) return nullptr;
    return slot->window.load(std::memory_order_acquire);
}

size_t HandleTable::LiveCount() const {
    std::shared_lock lock(m_mutex);
    return m_live;
}

}  // namespace winport
