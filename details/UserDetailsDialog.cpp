#include "details/UserDetailsDialog.h"

#include "details/ExternalPagePane.h"
#include "hostlib/framework/BCWarningDialog.h"
#include "module/HostNumbers.h"
#include "module/UserPropertySet.h"
#include "module/host/HostStringIds.h"
#include "module/host/MIHostApplication.h"
#include "platform/controls/AnimationApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

HICON DetailsIcon() {
    MIHostServices* services = ModuleState().hostServices;
    return services ? services->GetIcon(kDetailsIconNumber) : nullptr;
}

}  // namespace

const winport::Route<CUserDetailsDialog> CUserDetailsDialog::kRoutes[6] = {
    {WM_COMMAND, BN_CLICKED, IDC_DETAILS_CLOSE, &CUserDetailsDialog::OnCloseButton},
    {WM_COMMAND, BN_CLICKED, IDC_DETAILS_SAVE, &CUserDetailsDialog::OnSaveOrRetrieve},
    {WM_COMMAND, BN_CLICKED, IDC_DETAILS_UPDATE, &CUserDetailsDialog::OnUpdateFromDatabase},
    {WM_DESTROY, &CUserDetailsDialog::OnDestroyMessage},
    {NUVM_SHOWUSER, &CUserDetailsDialog::OnShowUser},
    {kUpdateWarningMessage, &CUserDetailsDialog::OnUpdateWarning},
};

CUserDetailsDialog::CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                       bool openHomepageCategory, bool limited, Form form,
                                       CWnd* parent)
    : CUserDetailsDialog(userObject, user, initialTab, openHomepageCategory, limited,
                         form == Form::Pane, false, parent) {}

CUserDetailsDialog::CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                       bool openHomepageCategory, CWnd* parent)
    : CUserDetailsDialog(userObject, user, initialTab, openHomepageCategory, false, false, true,
                         parent) {}

CUserDetailsDialog::CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                       bool openHomepageCategory, bool limited, bool embedded,
                                       bool owner, CWnd* parent)
    : BCTabbedDialog(user, IDC_DETAILS_TAB, IDD_USER_DETAILS, DetailsIcon(), "Info",
                     owner ? kEditableContext : kViewOnlyContext, parent),
      m_pageSite(CPageSite::Create(this)),
      m_embedded(embedded),
      m_owner(owner),
      m_limited(limited),
      m_openHomepageCategory(openHomepageCategory),
      m_initialTab(initialTab),
      m_contactUser(owner ? nullptr : userObject),
      m_ownerUser(owner ? userObject : nullptr),
      m_sink(CDetailsOpSink::Create(this)) {
    AttachRecord(userObject);
}

CUserDetailsDialog::~CUserDetailsDialog() {
    // A dialog whose window never existed, or was taken without WM_DESTROY, may still run one.
    EndOperation();
    m_sink->Disconnect();
    m_pageSite->Disconnect();
}

BOOL CUserDetailsDialog::CreatePane(CWnd* parent) {
    m_pParentWnd = parent;
    return MyCreate(IDD_DETAILS_PANE);
}

void CUserDetailsDialog::AttachRecord(IUnknown* user) {
    m_showsOwner = false;
    if (!user) return;
    // Without a readable record the pages show empty fields.
    if (GetUserPropertySet(user, !m_owner, m_propertySet) || m_owner) return;
    // Refused the contact view: the owner's own object hands out the owner view instead.
    MCVariantPropertySet ownerView;
    m_showsOwner = GetUserPropertySet(user, false, ownerView);
}

bool CUserDetailsDialog::RetrievesOnOpen() {
    if (m_owner || m_embedded || m_limited || m_showsOwner || !m_contactUser) return false;
    const unsigned int lastUpdate = m_propertySet["LastUpdateDate"];
    const unsigned int lastKnownUpdate = m_propertySet["LastKnownUpdateDate"];
    if (lastUpdate != 0 && lastKnownUpdate <= lastUpdate) return false;
    MIHostApplication* host = ModuleState().hostApplication;
    return host && host->MayRetrieveNow(0) != 0;
}

bool CUserDetailsDialog::AddExternalPage(const std::string& caption, HICON icon,
                                         MIExternalPage* page) {
    return AddDialog(new CExternalPagePane(page, m_pUserInfo, this), IDD_EXTERNAL_PAGE,
                     caption.c_str(), kExternalTabImage, icon) != FALSE;
}

void CUserDetailsDialog::OnCloseButton() {
    // A contact's pages carry the owner's own settings about the contact: they are kept on
    // Close. The owner's details are kept only by Save.
    if (!m_owner) {
        if (!CheckNext()) return;
        DoNext();
        if (MIHostApplication* host = ModuleState().hostApplication) {
            host->ContactCommitted(m_pUserInfo);
        }
        if (m_connection) m_connection->PagesCommitted();
    }
    if (!m_embedded) OnClose();
}

void CUserDetailsDialog::OnClose() {
    EndOperation();
    BCTabbedDialog::OnClose();
}

std::optional<LRESULT> CUserDetailsDialog::OnDestroyMessage(const winport::Message&) {
    // Also the pane whose window the host destroys with no close request.
    EndOperation();
    return std::nullopt;
}

LRESULT CUserDetailsDialog::OnShowUser(WPARAM wParam, LPARAM) {
    auto* user = reinterpret_cast<BCUserInfo*>(wParam);
    // The previous user's operation ends first, so its result is never taken for the new one's.
    EndOperation();
    SetUser(user);
    // The previous user's details go first, so no page can show them for the new one.
    m_contactUser.Reset();
    m_propertySet.SetPropertySetInterface(nullptr);
    MIHostApplication* host = ModuleState().hostApplication;
    if (user && host) {
        winport::ComPtr<MIUserObject> object;
        if (SUCCEEDED(host->GetUserObject(user, object.GetAddressOf()))) m_contactUser = object;
    }
    PlayAnimation(false);
    AttachRecord(m_contactUser.Get());
    DoCustom(0, &m_propertySet);
    EnableItem(IDC_DETAILS_SAVE, m_contactUser && !m_showsOwner);
    BringToTopIfDispatcherShown();
    return 1;
}

LRESULT CUserDetailsDialog::OnUpdateWarning(WPARAM, LPARAM) {
    if (!static_cast<bool>(m_propertySet["ShowUpdateInfoWarning"])) return 0;
    BCWarningDialog warning(m_pUserInfo, kUpdateWarningText, kUpdateWarningCaption,
                            kDetailsIconNumber, 0, 0, 1, 0, 0, 0, nullptr, this, nullptr, 0);
    const HWND self = m_hWnd;
    warning.DoModal();
    // The host may have closed the window while the warning was up.
    if (!::IsWindow(self)) return 0;
    m_propertySet["ShowUpdateInfoWarning"] = warning.GetDontShowAgain() == 0;
    return 0;
}

LRESULT CUserDetailsDialog::OnLabelDone() {
    if (m_owner && !m_embedded) SetItemText(IDC_DETAILS_CLOSE, "Done");
    return 0;
}

LRESULT CUserDetailsDialog::OnLabelCancel() {
    if (m_owner && !m_embedded) SetItemText(IDC_DETAILS_CLOSE, "Cancel");
    return 0;
}

void CUserDetailsDialog::SetItemText(int id, const char* text) {
    ::SetWindowText(::GetDlgItem(m_hWnd, id), text);
}

void CUserDetailsDialog::EnableItem(int id, bool enable) {
    ::EnableWindow(::GetDlgItem(m_hWnd, id), enable ? TRUE : FALSE);
}

std::optional<LRESULT> CUserDetailsDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTabbedDialog::OnMessage(m);
}
