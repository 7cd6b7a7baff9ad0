#include "client/host/HistoryTabProvider.h"

#include <new>
#include <utility>

#include "client/host/HistoryPage.h"
#include "client/host/UserObject.h"

namespace nuvclient {
namespace {

// A window's registration: it reports each save of the window's pages.
class Connection final : public winport::ComObject<MITabConnection>, private LiveHostObjects {
public:
    Connection(std::function<void(std::uint32_t)> committed, std::uint32_t user)
        : m_committed(std::move(committed)), m_user(user) {}
    HRESULT PagesCommitted() override {
        if (m_committed) m_committed(m_user);
        return S_OK;
    }

private:
    std::function<void(std::uint32_t)> m_committed;
    std::uint32_t m_user;
};

// The number of a user object the client made; 0 for any other.
std::uint32_t NumberOf(MIUserObject* user) {
    if (const auto* person = dynamic_cast<PersonObject*>(user)) return person->Number();
    if (const auto* group = dynamic_cast<EmailGroupObject*>(user)) return group->Number();
    return 0;
}

}  // namespace

HistoryTabProvider::HistoryTabProvider(Store& store, std::function<void(std::uint32_t)> committed)
    : m_store(store), m_committed(std::move(committed)) {}

HRESULT HistoryTabProvider::RegisterContactPages(MIUserObject* user, MIPageSite* site,
                                                 MITabConnection** connection) {
    return Register(user, site, false, connection);
}

HRESULT HistoryTabProvider::RegisterOwnerPages(MIUserObject* user, MIPageSite* site,
                                               MITabConnection** connection) {
    return Register(user, site, true, connection);
}

HRESULT HistoryTabProvider::Register(MIUserObject* user, MIPageSite* site, bool owner,
                                     MITabConnection** connection) {
    if (!connection) return E_POINTER;
    *connection = nullptr;
    if (!user || !site) return E_POINTER;
    const std::uint32_t number = NumberOf(user);
    if (number == 0) return E_INVALIDARG;
    try {
        const auto page = winport::MakeComObject<HistoryPage>(m_store, number, owner);
        const HRESULT added = site->AddPage(u"History", nullptr, page.Get(), 0);
        if (FAILED(added)) return added;
        *connection = winport::MakeComObject<Connection>(m_committed, number).Detach();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

}  // namespace nuvclient
