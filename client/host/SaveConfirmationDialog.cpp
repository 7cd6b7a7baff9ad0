#include "client/host/SaveConfirmationDialog.h"

#include <utility>

#include "client/host/HostDialogTemplates.h"

namespace nuvclient {

const winport::Route<SaveConfirmationDialog> SaveConfirmationDialog::kRoutes[] = {
    {WM_COMMAND, BN_CLICKED, IDYES, &SaveConfirmationDialog::OnYes},
    {WM_COMMAND, BN_CLICKED, IDNO, &SaveConfirmationDialog::OnNo},
};

SaveConfirmationDialog::SaveConfirmationDialog(CWnd* parent, std::string question,
                                               std::string explanation)
    : CDialog(IDD_SAVE_CONFIRMATION, parent),
      m_question(std::move(question)),
      m_explanation(std::move(explanation)) {}

BOOL SaveConfirmationDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_SAVE_CONFIRMATION_QUESTION, m_question);
    SetDlgItemText(IDC_SAVE_CONFIRMATION_EXPLANATION, m_explanation);
    return TRUE;
}

void SaveConfirmationDialog::OnYes() {
    EndDialog(IDYES);
}

void SaveConfirmationDialog::OnNo() {
    EndDialog(IDNO);
}

std::optional<LRESULT> SaveConfirmationDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CDialog::OnMessage(m);
}

}  // namespace nuvclient
