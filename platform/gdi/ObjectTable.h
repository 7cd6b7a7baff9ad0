// Handles of GDI objects, icons and image lists: a kind tag in the low bits and a serial number
// that is never reused, so a stale or foreign handle is always recognised as invalid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "platform/core/LastError.h"

namespace winport::gdi {

enum class HandleSpace : std::uintptr_t {
    GdiObject = 1,
    StockObject = 2,
    SysColorBrush = 3,
    Icon = 4,
    ImageList = 5,
};

inline constexpr unsigned kHandleSpaceBits = 4;

template <class Handle>
Handle MakeHandle(HandleSpace space, std::uintptr_t serial) {
    return reinterpret_cast<Handle>((serial << kHandleSpaceBits) |
                                    static_cast<std::uintptr_t>(space));
}

// The serial number |handle| carries when it belongs to |space|; 0 otherwise.
inline std::uintptr_t HandleSerial(HandleSpace space, const void* handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    const std::uintptr_t mask = (std::uintptr_t{1} << kHandleSpaceBits) - 1;
    if ((value & mask) != static_cast<std::uintptr_t>(space)) return 0;
    return value >> kHandleSpaceBits;
}

// Sets |code| with a sentence naming the call, the handle and what it should have been.
inline void FailHandle(DWORD code, std::string_view function, const void* handle,
                       std::string_view expected) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", handle);
    SetLastErrorText(code,
                     std::string(function) + ": " + text + " is not " + std::string(expected));
}

// The live objects of one handle space. Thread-safe; the lock is never held while calling out,
// except into the visitor given to With, which must not reenter the same table.
template <class T>
class ObjectTable {
public:
    explicit ObjectTable(HandleSpace space) : m_space(space) {}
    ObjectTable(const ObjectTable&) = delete;
    ObjectTable& operator=(const ObjectTable&) = delete;

    template <class Handle>
    Handle Add(T object) {
        std::lock_guard lock(m_mutex);
        const std::uintptr_t serial = m_nextSerial++;
        m_objects.emplace(serial, std::move(object));
        return MakeHandle<Handle>(m_space, serial);
    }

    bool Remove(const void* handle) {
        std::lock_guard lock(m_mutex);
        return m_objects.erase(HandleSerial(m_space, handle)) != 0;
    }

    // Calls |visit| with the object under the lock; std::nullopt when |handle| is not live.
    template <class Visit>
    auto With(const void* handle, Visit&& visit)
        -> std::optional<std::invoke_result_t<Visit&, T&>> {
        std::lock_guard lock(m_mutex);
        auto found = m_objects.find(HandleSerial(m_space, handle));
        if (found == m_objects.end()) return std::nullopt;
        return visit(found->second);
    }

    std::optional<T> Find(const void* handle) {
        return With(handle, [](const T& object) { return object; });
    }

    std::size_t Count() const {
        std::lock_guard lock(m_mutex);
        return m_objects.size();
    }

private:
    const HandleSpace m_space;
    mutable std::mutex m_mutex;
    std::uintptr_t m_nextSerial = 1;  // Serial 0 is never issued, so no handle is null.
    std::unordered_map<std::uintptr_t, T> m_objects;
};

}  // namespace winport::gdi
