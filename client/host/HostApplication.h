// The client's host application object: the module's way back into the host. It hands out the
// services object and user objects, and records what the module asked the host to do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "client/host/HostValues.h"
#include "client/store/Store.h"
#include "module/host/MIHostApplication.h"
#include "platform/com/ComObject.h"

namespace nuvclient {

// One request the module made of the host, in the order made.
struct HostEvent {
    // "white pages", "may retrieve", "send email", "contact committed", "pages committed"
    std::string what;
    std::string detail;  // The address or the user's number; empty when there is none.
    bool operator==(const HostEvent&) const = default;
};

class HostApplication final : public winport::ComObject<MIHostApplication>,
                              private LiveHostObjects {
public:
    // |store| and |services| outlive the object.
    HostApplication(Store& store, MIHostServices& services);

    MIHostServices* GetServices() override { return &m_services; }
    // The client's own outside component, the History tab (HistoryTabProvider).
    bool GetTabProvider(MITabProvider** provider) override;
    // S_OK with the user object of |user|'s number; kUnknownUser, E_POINTER or a store failure
    // with null otherwise.
    HRESULT GetUserObject(BCUserInfo* user, MIUserObject** object) override;
    void OpenWhitePages() override;
    BOOL MayRetrieveNow(int reserved) override;
    // Records the address and opens it as a "mailto:" address through the services object.
    void SendEmail(const char* address) override;
    // The store is written through as the pages commit, so the details are on disk already.
    void ContactCommitted(BCUserInfo* user) override;

    // Whether an automatic retrieval may run when a window opens (default: yes).
    void SetRetrieveAllowed(bool allowed) { m_retrieveAllowed = allowed; }
    const std::vector<HostEvent>& Events() const { return m_events; }

private:
    Store& m_store;
    MIHostServices& m_services;
    bool m_retrieveAllowed = true;
    std::vector<HostEvent> m_events;
    winport::ComPtr<MITabProvider> m_tabs;
};

}  // namespace nuvclient
