#include "platform/shell/RegistryStore.h"

namespace winport {

namespace {

// Opened keys get small multiples of four, as NT handles are, and a value is never handed out
// twice, so a closed handle stays invalid.
constexpr UINT_PTR kFirstHandle = 0x1000;
constexpr UINT_PTR kHandleStep = 4;

}  // namespace

std::optional<std::size_t> PredefinedKeyIndex(HKEY handle) {
    const std::array<HKEY, kRegistryRootCount> predefined = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
                                                             HKEY_LOCAL_MACHINE, HKEY_USERS};
    for (std::size_t i = 0; i < predefined.size(); ++i) {
        if (predefined[i] == handle) return i;
    }
    return std::nullopt;
}

RegistryStore& RegistryStore::Instance() {
    static auto* store = new RegistryStore();  // never destroyed: handles may be closed at exit
    return *store;
}

RegistryStore::RegistryStore() : m_roots(MakeEmptyRegistryRoots()), m_nextHandle(kFirstHandle) {}

void RegistryStore::ReplaceRoots(RegistryRoots roots) {
    for (const auto& root : m_roots) root->MarkTreeDeleted();
    m_roots = std::move(roots);
}

ResolvedKey RegistryStore::Resolve(HKEY handle, REGSAM access) const {
    if (const auto index = PredefinedKeyIndex(handle)) {
        return {ERROR_SUCCESS, m_roots[*index], KEY_ALL_ACCESS};
    }
    const auto it = m_handles.find(reinterpret_cast<UINT_PTR>(handle));
    if (it == m_handles.end()) return {ERROR_INVALID_HANDLE, nullptr, 0};
    const OpenKey& open = it->second;
    if ((open.access & access) != access) return {ERROR_ACCESS_DENIED, nullptr, 0};
    if (open.key->IsDeleted()) return {ERROR_KEY_DELETED, nullptr, 0};
    return {ERROR_SUCCESS, open.key, open.access};
}

HKEY RegistryStore::OpenHandle(std::shared_ptr<RegistryKey> key, REGSAM access) {
    const UINT_PTR value = m_nextHandle;
    m_nextHandle += kHandleStep;
    m_handles.emplace(value, OpenKey{std::move(key), access});
    return reinterpret_cast<HKEY>(value);
}

bool RegistryStore::CloseHandle(HKEY handle) {
    return m_handles.erase(reinterpret_cast<UINT_PTR>(handle)) != 0;
}

}  // namespace winport
