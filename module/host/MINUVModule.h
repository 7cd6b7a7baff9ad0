// The module object as the host sees it, and the functions the module library exports with C
// linkage. The host calls the module object's operations by their place, after the destructor.
#pragma once

#include "module/host/MIHostApplication.h"
#include "module/host/MINUVPropertySet.h"
#include "platform/mfc/Wnd.h"
#include "platform/text/Bstr.h"

class BCUserInfo;

// The base every module object derives from: its only operation is the destructor.
class MINUVModuleBase {
public:
    virtual ~MINUVModuleBase() = default;
};

// The user details module. Windows are returned borrowed: the framework deletes a modeless
// dialog once its window is gone.
class MIUserDetailsModule : public MINUVModuleBase {
public:
    // A host application object is stored.
    virtual bool IsInitialized() = 0;
    // Borrowed: |application| outlives every window of the module.
    virtual void Initialize(MIHostApplication* application) = 0;
    virtual CWnd* OpenOwnerDetails(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                   bool openHomepageCategory, CWnd* parent) = 0;
    virtual CWnd* OpenUserDetails(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                  bool openHomepageCategory, bool limited, CWnd* parent) = 0;
    // The modal loop's result; -1 when no window could be made.
    virtual INT_PTR OpenUserDetailsModal(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                         bool openHomepageCategory, bool limited, CWnd* parent) = 0;
    // A child window of |parent| showing no user until it is sent one.
    virtual CWnd* CreateDetailsPane(CWnd* parent) = 0;
};

// The exported entry points, looked up by these names.
inline constexpr const char kNUVModuleGetEntryPointName[] = "NUVModuleGetEntryPoint";
inline constexpr const char kNUVModuleCanUnloadName[] = "NUVModuleCanUnload";
using NUVModuleGetEntryPointProc = MINUVModuleBase* (*)();
using NUVModuleCanUnloadProc = bool (*)();

// A user's record as a vCard 2.1 card, for a host that saves cards without a window. The card is
// plain ASCII (text beyond it is encoded); |*card| is the caller's to free. E_POINTER for a null
// argument, E_OUTOFMEMORY when the text cannot be allocated.
inline constexpr const char kNUVModuleGetVCardName[] = "NUVModuleGetVCard";
using NUVModuleGetVCardProc = HRESULT (*)(MINUVPropertySet* record, BSTR* card);
