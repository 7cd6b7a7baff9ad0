#include "client/host/UserObject.h"

#include <new>
#include <optional>
#include <string_view>

#include "client/host/StorePropertySet.h"
#include "client/store/StoreError.h"
#include "module/host/HostIds.h"

namespace nuvclient {

const GUID& ViewOf(UserKind kind) {
    return kind == UserKind::Owner ? OwnerDetailsView : ContactDetailsView;
}

template <class... Extra>
HRESULT UserObject<Extra...>::GetPropertySet(const char* viewName, MINUVPropertySet** set) {
    if (!set) return E_POINTER;
    *set = nullptr;
    if (!viewName) return E_POINTER;
    const std::optional<GUID> view = winport::ParseGuid(viewName);
    if (!view || !IsEqualGUID(*view, ViewOf(m_user.kind))) return E_INVALIDARG;
    try {
        *set = StorePropertySet::Create(m_store, m_user.number).Detach();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

template class UserObject<>;
template class UserObject<MIEmailGroup>;

HRESULT CreateUserObject(Store& store, std::uint32_t number, MIUserObject** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    try {
        const std::optional<User> user = store.FindUser(number);
        if (!user) return kUnknownUser;
        if (user->kind == UserKind::Group) {
            *object = new EmailGroupObject(store, *user);
        } else {
            *object = new PersonObject(store, *user);
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const StoreError&) {
        return kStoreFailed;
    }
    (*object)->AddRef();
    return S_OK;
}

}  // namespace nuvclient
