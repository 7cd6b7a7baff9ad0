#include "platform/shell/Registry.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <mutex>

#include "platform/core/LastError.h"
#include "platform/shell/RegistryStore.h"

using winport::RegistryStore;

namespace {

std::string_view NameOrEmpty(const char* name) {
    return name ? std::string_view(name) : std::string_view();
}

// Copies |name| and its terminating zero into |buffer| of *|count| characters and stores the
// name's length in *|count|; ERROR_MORE_DATA, touching neither, when it does not fit.
LSTATUS CopyName(std::string_view name, char* buffer, DWORD* count) {
    if (name.size() >= *count) return ERROR_MORE_DATA;
    std::memcpy(buffer, name.data(), name.size());
    buffer[name.size()] = '\0';
    *count = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

// Reports a value's type and size, and copies its data when |data| is given and holds |capacity|
// bytes or more; otherwise ERROR_MORE_DATA with the data untouched.
LSTATUS CopyValueData(const winport::RegistryValue& value, DWORD* type, BYTE* data, DWORD capacity,
                      DWORD* size) {
    const auto needed = static_cast<DWORD>(value.data.size());
    if (type) *type = value.type;
    if (size) *size = needed;
    if (!data) return ERROR_SUCCESS;
    if (needed > capacity) return ERROR_MORE_DATA;
    std::copy(value.data.begin(), value.data.end(), data);
    // A string stored without its terminating zero gets one when the buffer has room, as on NT;
    // the size reported stays the stored one.
    if (winport::IsRegistryStringType(value.type) && needed > 0 && needed < capacity &&
        data[needed - 1] != 0) {
        data[needed] = 0;
    }
    return ERROR_SUCCESS;
}

}  // namespace

LSTATUS RegCreateKeyEx(HKEY hKey, const char* lpSubKey, DWORD Reserved, char* /*lpClass*/,
                       DWORD /*dwOptions*/, REGSAM samDesired,
                       const SECURITY_ATTRIBUTES* /*lpSecurityAttributes*/, HKEY* phkResult,
                       DWORD* lpdwDisposition) {
    if (!phkResult) return ERROR_BADKEY;
    if (Reserved) return ERROR_INVALID_PARAMETER;
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    const auto base = store.Resolve(hKey, 0);
    if (base.status != ERROR_SUCCESS) return base.status;
    const auto path = winport::SplitRegistryPath(NameOrEmpty(lpSubKey));
    if (!path) return ERROR_BAD_PATHNAME;
    DWORD disposition = REG_OPENED_EXISTING_KEY;
    auto key = winport::FindRegistryPath(base.key, *path);
    if (!key) {
        if (!(base.access & KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
        key = winport::CreateRegistryPath(base.key, *path);
        disposition = REG_CREATED_NEW_KEY;
    }
    *phkResult = store.OpenHandle(std::move(key), samDesired);
    if (lpdwDisposition) *lpdwDisposition = disposition;
    return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyEx(HKEY hKey, const char* lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                     HKEY* phkResult) {
    if (!phkResult) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    std::string_view subKey = NameOrEmpty(lpSubKey);
    if (subKey.empty() && winport::PredefinedKeyIndex(hKey)) {
        *phkResult = hKey;
        return ERROR_SUCCESS;
    }
    // NT lets a path below HKEY_CLASSES_ROOT start with one backslash.
    if (hKey == HKEY_CLASSES_ROOT && subKey.starts_with('\\')) subKey.remove_prefix(1);
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    const auto base = store.Resolve(hKey, 0);
    if (base.status != ERROR_SUCCESS) return base.status;
    const auto path = winport::SplitRegistryPath(subKey);
    if (!path) return ERROR_BAD_PATHNAME;
    auto key = winport::FindRegistryPath(base.key, *path);
    if (!key) return ERROR_FILE_NOT_FOUND;
    *phkResult = store.OpenHandle(std::move(key), samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY hKey) {
    if (winport::PredefinedKeyIndex(hKey)) return ERROR_SUCCESS;
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    return store.CloseHandle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS RegQueryValueEx(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType,
                        BYTE* lpData, DWORD* lpcbData) {
    if ((lpData && !lpcbData) || lpReserved) return ERROR_INVALID_PARAMETER;
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    const auto resolved = store.Resolve(hKey, KEY_QUERY_VALUE);
    if (resolved.status != ERROR_SUCCESS) return resolved.status;
    const DWORD capacity = lpcbData ? *lpcbData : 0;
    if (lpType) *lpType = REG_NONE;
    if (!lpData && lpcbData) *lpcbData = 0;
    const winport::RegistryValue* value = resolved.key->FindValue(NameOrEmpty(lpValueName));
    if (!value) return ERROR_FILE_NOT_FOUND;
    return CopyValueData(*value, lpType, lpData, capacity, lpcbData);
}

LSTATUS RegSetValueEx(HKEY hKey, const char* lpValueName, DWORD /*Reserved*/, DWORD dwType,
                      const BYTE* lpData, DWORD cbData) {
    if (!lpData && cbData) return ERROR_NOACCESS;
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    const auto resolved = store.Resolve(hKey, KEY_SET_VALUE);
    if (resolved.status != ERROR_SUCCESS) return resolved.status;
    std::vector<BYTE> data(lpData, lpData + cbData);
    resolved.key->SetValue(NameOrEmpty(lpValueName), dwType, std::move(data));
    return ERROR_SUCCESS;
}

LSTATUS RegDeleteValue(HKEY hKey, const char* lpValueName) {
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    const auto resolved = store.Resolve(hKey, KEY_SET_VALUE);
    if (resolved.status != ERROR_SUCCESS) return resolved.status;
    return resolved.key->DeleteValue(NameOrEmpty(lpValueName)) ? ERROR_SUCCESS
                                                               : ERROR_FILE_NOT_FOUND;
}

LSTATUS RegDeleteKey(HKEY hKey, const char* lpSubKey) {
    if (!lpSubKey) return ERROR_INVALID_PARAMETER;
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    const auto base = store.Resolve(hKey, 0);
    if (base.status != ERROR_SUCCESS) return base.status;
    const auto path = winport::SplitRegistryPath(lpSubKey);
    if (!path) return ERROR_BAD_PATHNAME;
    const auto key = winport::FindRegistryPath(base.key, *path);
    if (!key) return ERROR_FILE_NOT_FOUND;
    // Roots cannot be deleted, and a key only once its subkeys are gone.
    if (!key->Parent() || !key->Subkeys().empty()) return ERROR_ACCESS_DENIED;
    key->Parent()->DeleteSubkey(*key);
    return ERROR_SUCCESS;
}

LSTATUS RegEnumKeyEx(HKEY hKey, DWORD dwIndex, char* lpName, DWORD* lpcchName, DWORD* lpReserved,
                     char* lpClass, DWORD* lpcchClass, FILETIME* lpftLastWriteTime) {
    if (lpReserved || !lpName || !lpcchName) return ERROR_INVALID_PARAMETER;
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    const auto resolved = store.Resolve(hKey, KEY_ENUMERATE_SUB_KEYS);
    if (resolved.status != ERROR_SUCCESS) return resolved.status;
    const auto& subkeys = resolved.key->Subkeys();
    if (dwIndex >= subkeys.size()) return ERROR_NO_MORE_ITEMS;
    const winport::RegistryKey& subkey = *std::next(subkeys.begin(), dwIndex)->second;
    if (lpftLastWriteTime) {
        lpftLastWriteTime->dwLowDateTime = static_cast<DWORD>(subkey.LastWriteTime());
        lpftLastWriteTime->dwHighDateTime = static_cast<DWORD>(subkey.LastWriteTime() >> 32);
    }
    // Keys have an empty class, which still needs room for its terminating zero.
    if (lpClass && lpcchClass && *lpcchClass == 0) return ERROR_MORE_DATA;
    const LSTATUS status = CopyName(subkey.Name(), lpName, lpcchName);
    if (status != ERROR_SUCCESS) return status;
    if (lpcchClass) {
        *lpcchClass = 0;
        if (lpClass) *lpClass = '\0';
    }
    return ERROR_SUCCESS;
}

LSTATUS RegEnumValue(HKEY hKey, DWORD dwIndex, char* lpValueName, DWORD* lpcchValueName,
                     DWORD* lpReserved, DWORD* lpType, BYTE* lpData, DWORD* lpcbData) {
    if ((lpData && !lpcbData) || lpReserved || !lpValueName || !lpcchValueName) {
        return ERROR_INVALID_PARAMETER;
    }
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    const auto resolved = store.Resolve(hKey, KEY_QUERY_VALUE);
    if (resolved.status != ERROR_SUCCESS) return resolved.status;
    const auto& values = resolved.key->Values();
    if (dwIndex >= values.size()) return ERROR_NO_MORE_ITEMS;
    const winport::RegistryValue& value = values[dwIndex];
    const DWORD capacity = lpcbData ? *lpcbData : 0;
    const LSTATUS status = CopyValueData(value, lpType, lpData, capacity, lpcbData);
    if (status != ERROR_SUCCESS) return status;
    return CopyName(value.name, lpValueName, lpcchValueName);
}

namespace winport {

std::size_t OpenRegistryHandleCount() {
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    return store.HandleCount();
}

void ClearRegistry() {
    RegistryStore& store = RegistryStore::Instance();
    std::lock_guard lock(store.Mutex());
    store.ReplaceRoots(MakeEmptyRegistryRoots());
}

}  // namespace winport
