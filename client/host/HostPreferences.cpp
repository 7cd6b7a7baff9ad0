#include "client/host/HostPreferences.h"

#include <stdexcept>
#include <string>

#include "platform/core/LastError.h"
#include "platform/shell/Registry.h"

namespace nuvclient {

namespace {

constexpr char kPrefsKey[] = "Software\\Brightelm\\NUV\\DefaultPrefs";
constexpr char kDispatcherValue[] = "Homepage Factory Dispatcher";

}  // namespace

void WriteHostPreferences() {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyEx(HKEY_CURRENT_USER, kPrefsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                    &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueEx(key, kDispatcherValue, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(kHomepageFactoryTitle),
                               sizeof kHomepageFactoryTitle);
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error(std::string("the registry refused HKEY_CURRENT_USER\\") +
                                 kPrefsKey + ": error " + std::to_string(status));
    }
}

}  // namespace nuvclient
