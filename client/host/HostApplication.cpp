#include "client/host/HostApplication.h"

#include "client/host/HistoryTabProvider.h"
#include "client/host/UserObject.h"
#include "hostlib/framework/UserInfo.h"

namespace nuvclient {

HostApplication::HostApplication(Store& store, MIHostServices& services)
    : m_store(store),
      m_services(services),
      m_tabs(winport::MakeComObject<HistoryTabProvider>(store, [this](std::uint32_t user) {
          m_events.push_back({"pages committed", std::to_string(user)});
      })) {}

bool HostApplication::GetTabProvider(MITabProvider** provider) {
    if (!provider) return false;
    *provider = m_tabs.Get();
    if (*provider) (*provider)->AddRef();
    return *provider != nullptr;
}

HRESULT HostApplication::GetUserObject(BCUserInfo* user, MIUserObject** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!user) return E_POINTER;
    if (user->GetNumber() <= 0) return kUnknownUser;
    return CreateUserObject(m_store, static_cast<std::uint32_t>(user->GetNumber()), object);
}

void HostApplication::OpenWhitePages() {
    m_events.push_back({"white pages", ""});
}

BOOL HostApplication::MayRetrieveNow(int) {
    m_events.push_back({"may retrieve", m_retrieveAllowed ? "yes" : "no"});
    return m_retrieveAllowed ? TRUE : FALSE;
}

void HostApplication::SendEmail(const char* address) {
    m_events.push_back({"send email", address ? address : ""});
    // The desktop's mail program takes the address as a mail link.
    if (address && *address) m_services.OpenAddress(("mailto:" + std::string(address)).c_str());
}

void HostApplication::ContactCommitted(BCUserInfo* user) {
    m_events.push_back({"contact committed", user ? std::to_string(user->GetNumber()) : ""});
}

}  // namespace nuvclient
