#include "MinimalHost.h"

#include <iostream>

#include "hostlib/com/ComUtils.h"
#include "hostlib/util/HostImages.h"
#include "module/host/HostIds.h"

HRESULT OwnerObject::GetPropertySet(const char* viewName, MINUVPropertySet** set) {
    if (!set) return E_POINTER;
    *set = nullptr;
    if (!viewName || viewName != ComUtils::CLSIDToString(OwnerDetailsView)) return E_ACCESSDENIED;
    *set = m_record.Get();
    (*set)->AddRef();
    return S_OK;
}

MinimalServices::MinimalServices() : m_images(CreateHostSmallImageList()) {}

MinimalServices::~MinimalServices() {
    ImageList_Destroy(m_images);
}

void MinimalServices::OpenAddress(const char* address) {
    std::cout << "open " << address << '\n';
}

HRESULT MinimalServices::CreateHostObject(REFCLSID, IUnknown** object) {
    if (object) *object = nullptr;
    return REGDB_E_CLASSNOTREG;
}

HRESULT MinimalHost::GetUserObject(BCUserInfo* user, MIUserObject** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (user != &m_ownerInfo) return E_INVALIDARG;
    *object = m_owner.Get();
    (*object)->AddRef();
    return S_OK;
}
