#include "hostlib/util/Browser.h"

#include <atomic>
#include <string>

#include "hostlib/util/HostStrings.h"
#include "hostlib/util/UtilityStrings.h"
#include "platform/shell/MessageBox.h"

namespace {

std::atomic<MIHostServices*> g_services{nullptr};

}  // namespace

void SetHostServices(MIHostServices* services) {
    g_services.store(services, std::memory_order_release);
}

MIHostServices* GetHostServices() {
    return g_services.load(std::memory_order_acquire);
}

bool BrowserGotoRegURL(const char* name, bool tellIfMissing) {
    MIHostServices* services = GetHostServices();
    std::string address;
    if (services && name && services->GetRegisteredAddress(name, &address)) {
        services->OpenAddress(address.c_str());
        return true;
    }
    if (tellIfMissing)
        BResourceMessageBox(kWebPageMissingText, 0, MB_OK | MB_ICONINFORMATION, nullptr);
    return false;
}
