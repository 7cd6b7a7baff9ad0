#include "client/host/ClientHost.h"

#include <thread>

#include "client/host/HostPreferences.h"
#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/util/Browser.h"
#include "platform/message/MessageApi.h"

namespace nuvclient {

ClientHost::HostEnvironment::HostEnvironment(const ReferenceData& reference,
                                             MIHostServices& services) {
    WriteHostPreferences();
    SetHostReferenceData(&reference);
    SetHostServices(&services);
}

ClientHost::HostEnvironment::~HostEnvironment() {
    SetHostServices(nullptr);
    SetHostReferenceData(nullptr);
}

ClientHost::ClientHost(Store& store, ClientOptions options)
    : m_store(store),
      m_directory({store.File(), store.File().parent_path(), options.services.dataFolder},
                  std::move(options.directory)),
      m_dataLists(options.services.dataFolder),
      m_services(winport::MakeComObject<HostServices>(std::move(options.services))),
      m_application(winport::MakeComObject<HostApplication>(store, *m_services.Get())),
      m_binding(m_reference, *m_services.Get()),
      m_module(options.module, *m_application.Get()) {}

ClientHost::~ClientHost() {
    m_module.Unload();
}

bool ClientHost::Settle(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        // Idle first, then the last messages: a result posted before the worker finished is
        // handled below.
        const bool idle = !m_directory.Busy();
        winport::PumpMessages();
        if (idle) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

BCUserInfo* ClientHost::UserInfo(const User& user) {
    std::unique_ptr<BCUserInfo>& info = m_userInfos[user.number];
    if (!info) info = std::make_unique<BCUserInfo>(static_cast<int>(user.number), user.name);
    return info.get();
}

}  // namespace nuvclient
