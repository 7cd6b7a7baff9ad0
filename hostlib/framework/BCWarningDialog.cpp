#include "hostlib/framework/BCWarningDialog.h"

#include "hostlib/res/HostResourceIds.h"
#include "hostlib/util/Browser.h"
#include "platform/resources/ResourceChain.h"

const winport::Route<BCWarningDialog> BCWarningDialog::kRoutes[] = {
    {WM_DESTROY, &BCWarningDialog::OnDestroyMessage},
};

namespace {

std::string LoadTextOr(UINT id, const char* fallback) {
    if (id) {
        if (std::optional<std::string> text = winport::LoadStringResource(id)) return *text;
    }
    return fallback ? fallback : "";
}

}  // namespace

BCWarningDialog::BCWarningDialog(BCUserInfo* user, UINT textId, UINT captionId, int iconNumber,
                                 unsigned long helpContext, int checkedInitially, int okOnly,
                                 int hideCheckBox, int cancelIsDefault, unsigned int,
                                 const char* text, CWnd* parent, HICON icon, unsigned int)
    : BCTaskDialog(user, IDD_BC_WARNING, icon, "Warning", static_cast<int>(helpContext), parent),
      m_captionId(captionId),
      m_iconNumber(iconNumber),
      m_checkedInitially(checkedInitially != 0),
      m_okOnly(okOnly != 0),
      m_hideCheckBox(hideCheckBox != 0),
      m_cancelIsDefault(cancelIsDefault != 0),
      m_text(LoadTextOr(textId, text)) {}

BOOL BCWarningDialog::OnInitDialog() {
    BCTaskDialog::OnInitDialog();
    if (m_captionId) {
        if (std::optional<std::string> caption = winport::LoadStringResource(m_captionId)) {
            SetWindowText(*caption);
        }
    }
    SetDlgItemText(IDC_BC_WARNING_TEXT, m_text);
    // Without an icon of the caller's, the host's icon of the number the caller means.
    HICON icon = GetTaskIcon();
    MIHostServices* host = icon || m_iconNumber <= 0 ? nullptr : GetHostServices();
    if (host) icon = host->GetIcon(m_iconNumber);
    if (icon) {
        GetDlgItem(IDC_BC_WARNING_ICON)->SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon));
    }
    CheckDlgButton(IDC_BC_WARNING_DONTSHOW, m_checkedInitially ? BST_CHECKED : BST_UNCHECKED);
    if (m_hideCheckBox) GetDlgItem(IDC_BC_WARNING_DONTSHOW)->ShowWindow(SW_HIDE);
    if (m_okOnly) GetDlgItem(IDCANCEL)->ShowWindow(SW_HIDE);
    if (m_cancelIsDefault && !m_okOnly) {
        SendMessage(DM_SETDEFID, IDCANCEL);
        GetDlgItem(IDCANCEL)->SetFocus();
        return FALSE;
    }
    return TRUE;
}

std::optional<LRESULT> BCWarningDialog::OnDestroyMessage(const winport::Message&) {
    m_dontShowAgain = IsDlgButtonChecked(IDC_BC_WARNING_DONTSHOW) == BST_CHECKED ? 1 : 0;
    return std::nullopt;
}

std::optional<LRESULT> BCWarningDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTaskDialog::OnMessage(m);
}
