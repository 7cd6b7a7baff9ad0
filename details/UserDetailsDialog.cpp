#include "details/UserDetailsDialog.h"

#include <utility>

#include "details/ExternalPagePane.h"
#include "hostlib/framework/BCWarningDialog.h"
#include "hostlib/util/HostStrings.h"
#include "module/HostNumbers.h"
#include "module/UserPropertySet.h"
#include "module/host/HostStringIds.h"
#include "module/host/MIHostApplication.h"
#include "pages/RecordPage.h"
#include "platform/controls/AnimationApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

HICON DetailsIcon() {
    MIHostServices* services = ModuleState().hostServices;
    return services ? services->GetIcon(kDetailsIconNumber) : nullptr;
}

}  // namespace

const winport::Route<CUserDetailsDialog> CUserDetailsDialog::kRoutes[] = {
    {WM_COMMAND, BN_CLICKED, IDC_DETAILS_CLOSE, &CUserDetailsDialog::OnCloseButton},
    {WM_COMMAND, BN_CLICKED, IDC_DETAILS_SAVE, &CUserDetailsDialog::OnSaveOrRetrieve},
    {WM_COMMAND, BN_CLICKED, IDC_DETAILS_UPDATE, &CUserDetailsDialog::OnUpdateOrWhitePages},
    {WM_COMMAND, BN_CLICKED, ID_CONTACT_WHITE_PAGES, &CUserDetailsDialog::OnUpdateOrWhitePages},
    {WM_COMMAND, BN_CLICKED, IDC_DETAILS_MORE_OPTIONS, &CUserDetailsDialog::OnMoreOptions},
    {WM_COMMAND, BN_CLICKED, IDC_DETAILS_SAVE_VCARD, &CUserDetailsDialog::OnSaveAsVCard},
    {WM_COMMAND, BN_CLICKED, ID_OWNER_SAVE_VCARD, &CUserDetailsDialog::OnSaveAsVCard},
    {WM_COMMAND, BN_CLICKED, ID_CONTACT_SAVE_VCARD, &CUserDetailsDialog::OnSaveAsVCard},
    {WM_COMMAND, BN_CLICKED, ID_OWNER_UNLIST, &CUserDetailsDialog::OnUnlist},
    {WM_COMMAND, BN_CLICKED, ID_OWNER_PUBLICIZE, &CUserDetailsDialog::OnPublicize},
    {WM_DESTROY, &CUserDetailsDialog::OnDestroyMessage},
    {NUVM_SHOWUSER, &CUserDetailsDialog::OnShowUser},
    {kUpdateWarningMessage, &CUserDetailsDialog::OnUpdateWarning},
};

CUserDetailsDialog::CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                       bool openHomepageCategory, bool limited, Form form,
                                       CWnd* parent)
    : CUserDetailsDialog(userObject, user, initialTab, openHomepageCategory, limited, form,
                         Subject::Contact, parent) {}

CUserDetailsDialog::CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                       bool openHomepageCategory, CWnd* parent)
    : CUserDetailsDialog(userObject, user, initialTab, openHomepageCategory, false, Form::Window,
                         Subject::Owner, parent) {}

CUserDetailsDialog::CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                                       bool openHomepageCategory, bool limited, Form form,
                                       Subject subject, CWnd* parent)
    : BCTabbedDialog(user, IDC_DETAILS_TAB, IDD_USER_DETAILS, DetailsIcon(), "Info",
                     subject == Subject::Owner ? kEditableContext : kViewOnlyContext, parent),
      m_pageSite(CPageSite::Create(this)),
      m_embedded(form == Form::Pane),
      m_owner(subject == Subject::Owner),
      m_limited(limited),
      m_openHomepageCategory(openHomepageCategory),
      m_initialTab(initialTab),
      m_contactUser(m_owner ? nullptr : userObject),
      m_ownerUser(m_owner ? userObject : nullptr),
      m_operations(*this, m_propertySet,
                   m_owner && !m_embedded ? CDetailsOperations::Offered::UploadAndRefresh
                                          : CDetailsOperations::Offered::Retrieve) {
    AttachRecord(userObject);
}

CUserDetailsDialog::~CUserDetailsDialog() {
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
        ReportPagesCommitted();
    }
    if (!m_embedded) OnClose();
}

void CUserDetailsDialog::OnOK() {
    if (!ConfirmClose()) return;
    m_operations.End();
    BCTabbedDialog::OnOK();
}

void CUserDetailsDialog::OnCancel() {
    if (!ConfirmClose()) return;
    m_operations.End();
    BCTabbedDialog::OnCancel();
}

bool CUserDetailsDialog::HasUnsavedChanges() const {
    for (int i = 0; i < GetPageCount(); ++i) {
        const auto* page = dynamic_cast<const CRecordPage*>(GetPage(i));
        if (page && page->HasUnsavedChanges()) return true;
    }
    return false;
}

bool CUserDetailsDialog::ConfirmClose() {
    if (!m_owner || m_embedded || !HasUnsavedChanges()) return true;
    const HWND self = m_hWnd;
    const int answer = BResourceMessageBox(IDS_UNSAVED_EDITS, IDS_UNSAVED_EDITS_CAPTION,
                                           MB_YESNOCANCEL | MB_ICONQUESTION, self);
    if (!::IsWindow(self)) return false;
    if (answer == IDNO) return true;
    if (answer != IDYES || !m_operations.Save(m_ownerUser.Get())) return false;
    m_closeWhenSaved = m_operations.Running();
    return !m_closeWhenSaved;
}

void CUserDetailsDialog::UploadEnded(bool saved) {
    if (std::exchange(m_closeWhenSaved, false) && saved) PostMessage(WM_CLOSE);
}

std::optional<LRESULT> CUserDetailsDialog::OnDestroyMessage(const winport::Message&) {
    // Also the pane whose window the host destroys with no close request.
    m_operations.End();
    return std::nullopt;
}

void CUserDetailsDialog::OnSaveOrRetrieve() {
    if (m_owner && !m_embedded) {
        m_operations.Save(m_ownerUser.Get());
    } else if (!m_showsOwner) {
        // The owner shown in a contact form is never retrieved, also when the command comes
        // without the button.
        m_operations.Retrieve(m_contactUser.Get());
    }
}

LRESULT CUserDetailsDialog::OnShowUser(WPARAM wParam, LPARAM) {
    auto* user = reinterpret_cast<BCUserInfo*>(wParam);
    // The previous user's operation ends first, so its result is never taken for the new one's.
    m_operations.End();
    SetUser(user);
    // The previous user's details go first, so no page can show them for the new one.
    m_contactUser.Reset();
    m_propertySet.SetPropertySetInterface(nullptr);
    MIHostApplication* host = ModuleState().hostApplication;
    if (user && host) {
        winport::ComPtr<MIUserObject> object;
        if (SUCCEEDED(host->GetUserObject(user, object.GetAddressOf()))) m_contactUser = object;
    }
    StopAnimation();
    AttachRecord(m_contactUser.Get());
    DoCustom(0, &m_propertySet);
    EnableItem(IDC_DETAILS_SAVE,
               m_contactUser && !m_showsOwner ? ItemState::Enabled : ItemState::Disabled);
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

void CUserDetailsDialog::EnableItem(int id, ItemState state) {
    ::EnableWindow(::GetDlgItem(m_hWnd, id), state == ItemState::Enabled ? TRUE : FALSE);
}

void CUserDetailsDialog::PlayAnimation() {
    Animate_Play(::GetDlgItem(m_hWnd, IDC_DETAILS_ANIMATION), 0, static_cast<UINT>(-1),
                 static_cast<UINT>(-1));
}

void CUserDetailsDialog::StopAnimation() {
    Animate_Stop(::GetDlgItem(m_hWnd, IDC_DETAILS_ANIMATION));
}

void CUserDetailsDialog::ReportPagesCommitted() {
    if (m_connection) m_connection->PagesCommitted();
}

void CUserDetailsDialog::EnablePages(ItemState state) {
    EnableDialogs(state == ItemState::Enabled ? TRUE : FALSE);
}

std::optional<LRESULT> CUserDetailsDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTabbedDialog::OnMessage(m);
}
