#include "details/DispatcherWindow.h"

#include <string>

#include "hostlib/util/RegistryKey.h"
#include "module/host/HostPreferenceKeys.h"
#include "platform/shell/Registry.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"

namespace {

// The value is a title of at most 100 characters, each of up to four bytes.
constexpr std::size_t kMaxDispatcherTitle = 100;

}  // namespace

bool IsDispatcherWindowShown() {
    char buffer[kMaxDispatcherTitle * 4 + 1];
    if (!BCRegistryKey::ReadString(HKEY_CURRENT_USER, kHostPrefsPath, kHostPrefsKey,
                                   kDispatcherValueName, buffer, sizeof buffer)) {
        return false;
    }
    const std::string title(winport::Utf8Prefix(buffer, kMaxDispatcherTitle));
    return !title.empty() && FindWindow(nullptr, title.c_str()) != nullptr;
}
