// CUserDetailsModule: the module object through which the host opens every details window. It
// has no state of its own; Initialize fills the module-wide state the dialogs read.
#pragma once

#include "module/host/MINUVModule.h"

class CUserDetailsModule final : public MIUserDetailsModule {
public:
    CUserDetailsModule() = default;
    // Clears the module-wide pointer, so the next NUVModuleGetEntryPoint makes a new object.
    ~CUserDetailsModule() override;
    CUserDetailsModule(const CUserDetailsModule&) = delete;
    CUserDetailsModule& operator=(const CUserDetailsModule&) = delete;

    bool IsInitialized() override;
    void Initialize(MIHostApplication* application) override;
    CWnd* OpenOwnerDetails(IUnknown* userObject, BCUserInfo* user, int initialTab,
                           bool openHomepageCategory, CWnd* parent) override;
    CWnd* OpenUserDetails(IUnknown* userObject, BCUserInfo* user, int initialTab,
                          bool openHomepageCategory, bool limited, CWnd* parent) override;
    INT_PTR OpenUserDetailsModal(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                 bool openHomepageCategory, bool limited, CWnd* parent) override;
    CWnd* CreateDetailsPane(CWnd* parent) override;

    // The one module object, made on first use; null when it cannot be allocated.
    static CUserDetailsModule* Instance();
};
