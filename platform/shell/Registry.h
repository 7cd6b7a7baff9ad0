// The registry (advapi32, the "A" functions): keys under four predefined roots, kept in memory
// and shared by every thread of the process. Names match without regard to ASCII case and keep
// the case they were created with; text is UTF-8. The functions return Windows error codes and
// leave the last error alone. Persistence is explicit, through SaveRegistry and LoadRegistry.
#pragma once

#include <cstddef>
#include <filesystem>

#include "platform/core/WinTypes.h"

using REGSAM = DWORD;
using LSTATUS = LONG;

struct FILETIME {
    DWORD dwLowDateTime = 0;
    DWORD dwHighDateTime = 0;
};
// Accepted for the signatures only: keys carry no security descriptor here.
struct SECURITY_ATTRIBUTES;

namespace winport {

// The handle value of a predefined key, sign-extended as on 64-bit Windows.
inline HKEY PredefinedKey(DWORD value) {
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(value))));
}

}  // namespace winport

inline const HKEY HKEY_CLASSES_ROOT = winport::PredefinedKey(0x80000000);
inline const HKEY HKEY_CURRENT_USER = winport::PredefinedKey(0x80000001);
inline const HKEY HKEY_LOCAL_MACHINE = winport::PredefinedKey(0x80000002);
inline const HKEY HKEY_USERS = winport::PredefinedKey(0x80000003);

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;

inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;
inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_NOTIFY = 0x0010;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_EXECUTE = KEY_READ;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// Creates the missing keys along lpSubKey (which needs KEY_CREATE_SUB_KEY on hKey) and opens the
// last one with samDesired. Keys have no class: lpClass and dwOptions are accepted and ignored.
LSTATUS RegCreateKeyEx(HKEY hKey, const char* lpSubKey, DWORD Reserved, char* lpClass,
                       DWORD dwOptions, REGSAM samDesired,
                       const SECURITY_ATTRIBUTES* lpSecurityAttributes, HKEY* phkResult,
                       DWORD* lpdwDisposition);
// A null or empty lpSubKey opens hKey again; for a predefined key it answers hKey itself.
LSTATUS RegOpenKeyEx(HKEY hKey, const char* lpSubKey, DWORD ulOptions, REGSAM samDesired,
                     HKEY* phkResult);
LSTATUS RegCloseKey(HKEY hKey);
// A null lpData asks for the type and size only. Sizes are in bytes, a string's including the
// terminating zeros it was stored with.
LSTATUS RegQueryValueEx(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType,
                        BYTE* lpData, DWORD* lpcbData);
LSTATUS RegSetValueEx(HKEY hKey, const char* lpValueName, DWORD Reserved, DWORD dwType,
                      const BYTE* lpData, DWORD cbData);
LSTATUS RegDeleteValue(HKEY hKey, const char* lpValueName);
// Deletes a key that has no subkeys; an empty lpSubKey deletes hKey's own key.
LSTATUS RegDeleteKey(HKEY hKey, const char* lpSubKey);
// Subkeys come in Windows order (sorted by upper-cased name), values in creation order.
LSTATUS RegEnumKeyEx(HKEY hKey, DWORD dwIndex, char* lpName, DWORD* lpcchName, DWORD* lpReserved,
                     char* lpClass, DWORD* lpcchClass, FILETIME* lpftLastWriteTime);
LSTATUS RegEnumValue(HKEY hKey, DWORD dwIndex, char* lpValueName, DWORD* lpcchValueName,
                     DWORD* lpReserved, DWORD* lpType, BYTE* lpData, DWORD* lpcbData);

namespace winport {

// Handles returned by RegCreateKeyEx/RegOpenKeyEx and not yet closed.
std::size_t OpenRegistryHandleCount();
// Writes the whole registry as text, through a temporary file renamed into place. On failure
// returns false with the last error and its text naming the file.
bool SaveRegistry(const std::filesystem::path& path);
// Replaces the whole registry with the file's content. A missing, unreadable or malformed file
// returns false, with the last error text naming the file (and the line), and changes nothing.
// Handles open before a successful load answer ERROR_KEY_DELETED.
bool LoadRegistry(const std::filesystem::path& path);
// Empties the registry; open handles then answer ERROR_KEY_DELETED.
void ClearRegistry();

}  // namespace winport
