// What a host gives the plug-in, at its smallest: the host application and services objects, and
// one user, the owner, whose record is a property set in memory.
#pragma once

#include <string>

#include "hostlib/framework/UserInfo.h"
#include "hostlib/property/MCMemoryPropertySet.h"
#include "module/host/MIHostApplication.h"
#include "module/host/MIPropertySetSource.h"
#include "platform/com/ComObject.h"

// The owner's user object: his record, in the owner's view.
class OwnerObject final : public winport::ComObject<MIUserObject, MIPropertySetSource> {
public:
    OwnerObject() = default;
    HRESULT GetPropertySet(const char* viewName, MINUVPropertySet** set) override;
    MCMemoryPropertySet& Record() { return *m_record.Get(); }

private:
    winport::ComPtr<MCMemoryPropertySet> m_record = MCMemoryPropertySet::Create();
};

// Knows no web addresses and creates no host components, so the window reaches no directory; its
// pictures are the host library's.
class MinimalServices final : public winport::ComObject<MIHostServices> {
public:
    MinimalServices();
    bool GetRegisteredAddress(const char*, std::string*) override { return false; }
    void OpenAddress(const char* address) override;
    HRESULT CreateHostObject(REFCLSID, IUnknown** object) override;
    bool IsSendMailUnavailable() override { return true; }
    HIMAGELIST GetSmallImageList() override { return m_images; }
    HICON GetIcon(int) override { return nullptr; }
    void GetAnimationClipPath(std::string* path) override { path->clear(); }

private:
    ~MinimalServices() override;

    HIMAGELIST m_images;
};

class MinimalHost final : public winport::ComObject<MIHostApplication> {
public:
    MinimalHost() = default;
    MIHostServices* GetServices() override { return m_services.Get(); }
    bool GetTabProvider(MITabProvider**) override { return false; }
    HRESULT GetUserObject(BCUserInfo* user, MIUserObject** object) override;
    void OpenWhitePages() override {}
    BOOL MayRetrieveNow(int) override { return FALSE; }
    void SendEmail(const char*) override {}
    void ContactCommitted(BCUserInfo*) override {}

    BCUserInfo* OwnerInfo() { return &m_ownerInfo; }
    OwnerObject& Owner() { return *m_owner.Get(); }

private:
    winport::ComPtr<MinimalServices> m_services = winport::MakeComObject<MinimalServices>();
    winport::ComPtr<OwnerObject> m_owner = winport::MakeComObject<OwnerObject>();
    BCUserInfo m_ownerInfo{1001, "Ada"};
};
