// The client's tab provider: the History tab (HistoryPage) in the owner's window and in every
// contact's window the module registers, and the window's registration, which tells the host
// when the pages were saved.
#pragma once

#include <functional>

#include "client/host/HostValues.h"
#include "client/store/Store.h"
#include "module/host/MITabProvider.h"
#include "platform/com/ComObject.h"

namespace nuvclient {

class HistoryTabProvider final : public winport::ComObject<MITabProvider>, private LiveHostObjects {
public:
    // |store| outlives the provider; |committed| is called with the user's number each time a
    // registered window's pages are saved.
    HistoryTabProvider(Store& store, std::function<void(std::uint32_t)> committed);

    HRESULT RegisterContactPages(MIUserObject* user, MIPageSite* site,
                                 MITabConnection** connection) override;
    HRESULT RegisterOwnerPages(MIUserObject* user, MIPageSite* site,
                               MITabConnection** connection) override;

private:
    HRESULT Register(MIUserObject* user, MIPageSite* site, bool owner,
                     MITabConnection** connection);

    Store& m_store;
    std::function<void(std::uint32_t)> m_committed;
};

}  // namespace nuvclient
