#include "hostlib/util/RegistryKey.h"

#include <string>
#include <vector>

#include "platform/core/LastError.h"
#include "platform/shell/Registry.h"
#include "platform/text/TextCopy.h"

bool BCRegistryKey::ReadString(HKEY root, const char* path, const char* key, const char* value,
                               char* buffer, DWORD size) {
    if (!buffer || size == 0) return false;
    buffer[0] = '\0';
    const std::string keyPath = std::string(path ? path : "") + (key ? key : "");
    HKEY handle = nullptr;
    if (RegOpenKeyEx(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD bytes = 0;
    bool read = RegQueryValueEx(handle, value, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
                type == REG_SZ;
    std::vector<BYTE> data(bytes + 1, 0);
    if (read) {
        read = RegQueryValueEx(handle, value, nullptr, &type, data.data(), &bytes) == ERROR_SUCCESS;
    }
    RegCloseKey(handle);
    if (!read) return false;
    const std::string text(reinterpret_cast<const char*>(data.data()));
    winport::CopyTextToBuffer(text, buffer, static_cast<int>(size));
    return true;
}
