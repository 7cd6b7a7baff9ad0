#include "client/host/HostPreferences.h"

#include <stdexcept>
#include <string>

#include "module/host/HostPreferenceKeys.h"
#include "platform/core/LastError.h"
#include "platform/shell/Registry.h"

namespace nuvclient {

namespace {}  // namespace

void WriteHostPreferences() {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyEx(HKEY_CURRENT_USER, kHostPrefsFullKey, 0, nullptr, 0, KEY_WRITE,
                                    nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueEx(key, kDispatcherValueName, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(kHomepageFactoryTitle),
                               sizeof kHomepageFactoryTitle);
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error(std::string("the registry refused HKEY_CURRENT_USER\\") +
                                 kHostPrefsFullKey + ": error " + std::to_string(status));
    }
}

}  // namespace nuvclient
