// The host application object, handed to the module's Initialize.
#pragma once

#include "module/host/MIHostServices.h"
#include "module/host/MITabProvider.h"
#include "module/host/MIUserObject.h"
#include "platform/com/Unknown.h"

// Defined by the host framework; the module only passes it on.
class BCUserInfo;

// Declares the operations the module uses; the host's interface has others between them.
class MIHostApplication : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{A6CA2260-F610-417E-8322-96B8EF09F82C}");

    // Borrowed: the services object lives as long as the application object.
    virtual MIHostServices* GetServices() = 0;
    // False when the host has no tab provider. The caller releases |provider|.
    virtual bool GetTabProvider(MITabProvider** provider) = 0;
    // The user object of |user|; the caller releases |object|.
    virtual HRESULT GetUserObject(BCUserInfo* user, MIUserObject** object) = 0;
    virtual void OpenWhitePages() = 0;
    // |reserved| is 0; nonzero: an automatic retrieval may run now.
    virtual BOOL MayRetrieveNow(int reserved) = 0;
    virtual void SendEmail(const char* address) = 0;
    // A contact's locally kept details were committed.
    virtual void ContactCommitted(BCUserInfo* user) = 0;
};
