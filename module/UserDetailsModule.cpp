#include "module/UserDetailsModule.h"

#include <memory>
#include <new>

#include "details/UserDetailsDialog.h"
#include "hostlib/com/ComUtils.h"
#include "module/ModuleState.h"
#include "module/host/HostIds.h"
#include "module/host/MIEmailGroup.h"
#include "pages/identity/EGroupInfoDialog.h"
#include "platform/com/ComPtr.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

CUserDetailsModule* g_module = nullptr;

// Windows are opened only once the host is known and gave its services.
bool HostReady() {
    return ModuleState().hostApplication != nullptr && ModuleState().hostServices != nullptr;
}

bool IsEmailGroup(IUnknown* userObject) {
    if (!userObject) return false;
    winport::ComPtr<MIEmailGroup> group;
    return SUCCEEDED(userObject->QueryInterface(IID_PPV_ARGS(group.GetAddressOf())));
}

// Creates |dialog| modeless from |templateId| and shows it; a dialog whose creation fails is
// deleted here, the framework deletes it only once it has a window.
CWnd* CreateModeless(std::unique_ptr<BCTaskDialog> dialog, UINT templateId) {
    if (!dialog->MyCreate(templateId)) return nullptr;
    BCTaskDialog* created = dialog.release();
    created->ShowWindow(SW_SHOWNORMAL);
    return created;
}

}  // namespace

CUserDetailsModule::~CUserDetailsModule() {
    if (g_module == this) g_module = nullptr;
}

CUserDetailsModule* CUserDetailsModule::Instance() {
    if (!g_module) g_module = new (std::nothrow) CUserDetailsModule;
    return g_module;
}

bool CUserDetailsModule::IsInitialized() {
    return ModuleState().hostApplication != nullptr;
}

void CUserDetailsModule::Initialize(MIHostApplication* application) {
    CModuleState& state = ModuleState();
    state.ownerViewName = ComUtils::CLSIDToString(OwnerDetailsView);
    state.contactViewName = ComUtils::CLSIDToString(ContactDetailsView);
    state.hostApplication = application;
    state.hostServices = application ? application->GetServices() : nullptr;
}

CWnd* CUserDetailsModule::OpenOwnerDetails(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                           bool openHomepageCategory, CWnd* parent) {
    if (!HostReady()) return nullptr;
    return CreateModeless(std::make_unique<CUserDetailsDialog>(userObject, user, initialTab,
                                                               openHomepageCategory, parent),
                          IDD_USER_DETAILS);
}

CWnd* CUserDetailsModule::OpenUserDetails(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                          bool openHomepageCategory, bool limited, CWnd* parent) {
    if (!HostReady()) return nullptr;
    // An e-mail group gets its own dialog.
    if (IsEmailGroup(userObject)) {
        return CreateModeless(std::make_unique<CEGroupInfoDialog>(userObject, user, parent),
                              IDD_EGROUP_INFO);
    }
    return CreateModeless(
        std::make_unique<CUserDetailsDialog>(userObject, user, initialTab, openHomepageCategory,
                                             limited, CUserDetailsDialog::Form::Window, parent),
        IDD_USER_DETAILS);
}

INT_PTR CUserDetailsModule::OpenUserDetailsModal(IUnknown* userObject, BCUserInfo* user,
                                                 int initialTab, bool openHomepageCategory,
                                                 bool limited, CWnd* parent) {
    if (!HostReady()) return -1;
    if (IsEmailGroup(userObject)) return CEGroupInfoDialog(userObject, user, parent).DoModal();
    CUserDetailsDialog dialog(userObject, user, initialTab, openHomepageCategory, limited,
                              CUserDetailsDialog::Form::Window, parent);
    return dialog.DoModal();
}

CWnd* CUserDetailsModule::CreateDetailsPane(CWnd* parent) {
    if (!HostReady()) return nullptr;
    auto pane = std::make_unique<CUserDetailsDialog>(nullptr, nullptr, 0, false, false,
                                                     CUserDetailsDialog::Form::Pane, parent);
    if (!pane->CreatePane(parent)) return nullptr;
    return pane.release();
}
