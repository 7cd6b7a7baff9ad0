// The host's COM object for one user of the client's Store: its record in the one view its
// kind answers (the owner's details for the owner, a contact's details for a contact or an
// e-mail group), and MIEmailGroup for a group.
#pragma once

#include <cstdint>

#include "client/host/HostValues.h"
#include "client/store/Store.h"
#include "module/host/MIEmailGroup.h"
#include "module/host/MIPropertySetSource.h"
#include "module/host/MIUserObject.h"
#include "platform/com/ComObject.h"

namespace nuvclient {

// The view |kind| answers: OwnerDetailsView for the owner, ContactDetailsView otherwise.
const GUID& ViewOf(UserKind kind);

// |Extra| are the interfaces the user's kind adds. A contact keeps its published details and
// the owner's settings about it in one record, so either view is the user's whole record.
template <class... Extra>
class UserObject final : public winport::ComObject<MIUserObject, MIPropertySetSource, Extra...>,
                         private LiveHostObjects {
public:
    // |store| outlives the object and every property set it hands out.
    UserObject(Store& store, const User& user) : m_store(store), m_user(user) {}

    // E_INVALIDARG and null for a view name that is not the view of the user's kind.
    HRESULT GetPropertySet(const char* viewName, MINUVPropertySet** set) override;

    std::uint32_t Number() const { return m_user.number; }

private:
    Store& m_store;
    User m_user;
};

using PersonObject = UserObject<>;
using EmailGroupObject = UserObject<MIEmailGroup>;

// Makes the user object of user |number|: S_OK with a reference for the caller, or
// kUnknownUser (or kStoreFailed) and null.
HRESULT CreateUserObject(Store& store, std::uint32_t number, MIUserObject** object);

}  // namespace nuvclient
