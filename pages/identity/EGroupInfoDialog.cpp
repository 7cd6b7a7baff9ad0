#include "pages/identity/EGroupInfoDialog.h"

#include "hostlib/framework/BCWarningDialog.h"
#include "module/HostNumbers.h"
#include "module/UserPropertySet.h"
#include "module/host/HostStringIds.h"
#include "pages/WebAddress.h"
#include "platform/controls/AnimationApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

const winport::Route<CEGroupInfoDialog> CEGroupInfoDialog::kRoutes[] = {
    {WM_COMMAND, BN_CLICKED, IDC_EGROUP_UPDATE, &CEGroupInfoDialog::OnUpdate},
    {WM_COMMAND, BN_CLICKED, IDC_EGROUP_GOTO, &CEGroupInfoDialog::OnGotoUrl},
    {WM_DESTROY, &CEGroupInfoDialog::OnDestroyMessage},
};

CEGroupInfoDialog::CEGroupInfoDialog(IUnknown* group, BCUserInfo* user, CWnd* parent)
    : BCTaskDialog(user, IDD_EGROUP_INFO, nullptr, "E-NUV Info", kViewOnlyContext, parent),
      m_group(group),
      m_operations(*this, m_record, CDetailsOperations::Offered::Retrieve) {
    GetUserPropertySet(group, true, m_record);
}

BOOL CEGroupInfoDialog::OnInitDialog() {
    BCTaskDialog::OnInitDialog();
    if (!m_pUserInfo) return TRUE;
    ShowFields();
    CheckDlgButton(IDC_EGROUP_PUBLISH,
                   static_cast<int>(m_record["Available"]) != 0 ? BST_CHECKED : BST_UNCHECKED);
    if (MIHostServices* services = ModuleState().hostServices) {
        std::string clip;
        services->GetAnimationClipPath(&clip);
        Animate_Open(::GetDlgItem(m_hWnd, IDC_EGROUP_ANIMATION), clip.c_str());
    }
    return TRUE;
}

void CEGroupInfoDialog::ShowFields() {
    const std::string page = m_record["HomeHomepage"];
    SetDlgItemText(IDC_EGROUP_NAME, m_record["MyDefinedHandle"]);
    SetDlgItemText(IDC_EGROUP_NUMBER, m_record["UINString"]);
    SetDlgItemText(IDC_EGROUP_DESCRIPTION, m_record["About"]);
    SetDlgItemText(IDC_EGROUP_PAGE, page);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_EGROUP_GOTO), page.empty() ? FALSE : TRUE);
}

void CEGroupInfoDialog::OnUpdate() {
    m_operations.Retrieve(m_group.Get());
}

void CEGroupInfoDialog::OnGotoUrl() {
    const std::string page = GetDlgItemText(IDC_EGROUP_PAGE);
    if (!page.empty()) OpenRecordAddress(page);
}

void CEGroupInfoDialog::OnOK() {
    const bool publish = IsDlgButtonChecked(IDC_EGROUP_PUBLISH) == BST_CHECKED;
    if (!publish && static_cast<bool>(m_record["ShowInfoOnEgroupInfo"])) {
        BCWarningDialog notice(m_pUserInfo, kEgroupNoticeText, kEgroupNoticeCaption,
                               kDetailsIconNumber, 0, 0, 0, 0, 1, 0, nullptr, this, nullptr, 0);
        // A modeless dialog is deleted with its window, which may go while the notice is up.
        const HWND self = m_hWnd;
        if (notice.DoModal() != IDOK || !::IsWindow(self)) return;
        m_record["ShowInfoOnEgroupInfo"] = notice.GetDontShowAgain() == 0;
    }
    // Written only now: a notice backed out of leaves the choice unstored.
    m_record["Available"] = publish ? 1u : 0u;
    BCTaskDialog::OnOK();
}

LRESULT CEGroupInfoDialog::OnLabelDone() {
    SetDlgItemText(IDOK, "Done");
    return 0;
}

LRESULT CEGroupInfoDialog::OnLabelCancel() {
    SetDlgItemText(IDOK, "Cancel");
    return 0;
}

std::optional<LRESULT> CEGroupInfoDialog::OnDestroyMessage(const winport::Message&) {
    m_operations.End();
    return std::nullopt;
}

void CEGroupInfoDialog::EnableItem(int id, ItemState state) {
    if (id != IDC_DETAILS_SAVE) return;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_EGROUP_UPDATE),
                   state == ItemState::Enabled ? TRUE : FALSE);
}

void CEGroupInfoDialog::PlayAnimation() {
    Animate_Play(::GetDlgItem(m_hWnd, IDC_EGROUP_ANIMATION), 0, static_cast<UINT>(-1),
                 static_cast<UINT>(-1));
}

void CEGroupInfoDialog::StopAnimation() {
    Animate_Stop(::GetDlgItem(m_hWnd, IDC_EGROUP_ANIMATION));
}

std::optional<LRESULT> CEGroupInfoDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTaskDialog::OnMessage(m);
}
