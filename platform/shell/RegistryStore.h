// The process-wide registry: the tree under the four roots and the handles open on its keys,
// guarded by one mutex that every caller holds while it uses the store.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "platform/core/LastError.h"
#include "platform/shell/RegistryTree.h"

namespace winport {

struct ResolvedKey {
    LSTATUS status = ERROR_SUCCESS;
    std::shared_ptr<RegistryKey> key;
    REGSAM access = 0;
};

class RegistryStore {
public:
    static RegistryStore& Instance();

    std::mutex& Mutex() { return m_mutex; }

    // The members below expect Mutex() to be held.

    const RegistryRoots& Roots() const { return m_roots; }
    // Installs a new tree; keys of the old one become deleted for the handles still open on them.
    void ReplaceRoots(RegistryRoots roots);

    // The key behind |handle| if the handle grants |access|: ERROR_INVALID_HANDLE for a handle
    // that is not open, ERROR_ACCESS_DENIED, ERROR_KEY_DELETED. Predefined keys grant everything.
    ResolvedKey Resolve(HKEY handle, REGSAM access) const;
    HKEY OpenHandle(std::shared_ptr<RegistryKey> key, REGSAM access);
    bool CloseHandle(HKEY handle);
    std::size_t HandleCount() const { return m_handles.size(); }

private:
    struct OpenKey {
        std::shared_ptr<RegistryKey> key;
        REGSAM access;
    };

    RegistryStore();

    std::mutex m_mutex;
    RegistryRoots m_roots;
    std::unordered_map<UINT_PTR, OpenKey> m_handles;
    UINT_PTR m_nextHandle;
};

// The index in RegistryRoots of a predefined key's handle.
std::optional<std::size_t> PredefinedKeyIndex(HKEY handle);

}  // namespace winport
