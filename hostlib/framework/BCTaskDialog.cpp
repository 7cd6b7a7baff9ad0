#include "hostlib/framework/BCTaskDialog.h"

#include "hostlib/framework/FrameworkMessages.h"

const winport::Route<BCTaskDialog> BCTaskDialog::kRoutes[] = {
    {WM_CLOSE, &BCTaskDialog::OnCloseMessage},
    {WM_CREATE, &BCTaskDialog::OnCreateMessage},
    {BCM_LABELDONE, &BCTaskDialog::OnLabelDoneMessage},
    {BCM_LABELCANCEL, &BCTaskDialog::OnLabelCancelMessage},
};

BCTaskDialog::BCTaskDialog(BCUserInfo* user, UINT templateId, HICON icon, const char* name,
                           int contextNumber, CWnd* parent)
    : BCDialog(user, templateId, contextNumber, parent), m_icon(icon), m_name(name ? name : "") {}

BOOL BCTaskDialog::MyCreate(UINT templateId) {
    // Not yet modeless: a window that dies while it is being made leaves the object alone.
    m_modeless = FALSE;
    if (!Create(templateId, m_pParentWnd)) return FALSE;
    m_modeless = TRUE;
    return TRUE;
}

INT_PTR BCTaskDialog::DoModal() {
    m_modeless = FALSE;
    return CDialog::DoModal();
}

void BCTaskDialog::Finish(int result) {
    if (m_modeless) {
        DestroyWindow();
    } else {
        EndDialog(result);
    }
}

void BCTaskDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    Finish(IDOK);
}

void BCTaskDialog::OnCancel() {
    Finish(IDCANCEL);
}

void BCTaskDialog::OnClose() {
    if (!CanKillDialog()) return;
    OnCancel();
}

int BCTaskDialog::OnCreate(CREATESTRUCT*) {
    return 0;
}

LRESULT BCTaskDialog::OnLabelDone() {
    return 0;
}

LRESULT BCTaskDialog::OnLabelCancel() {
    return 0;
}

LRESULT BCTaskDialog::OnCloseMessage(WPARAM, LPARAM) {
    OnClose();
    return 0;
}

LRESULT BCTaskDialog::OnCreateMessage(WPARAM, LPARAM lParam) {
    return OnCreate(reinterpret_cast<CREATESTRUCT*>(lParam)) == 0 ? 0 : -1;
}

LRESULT BCTaskDialog::OnLabelDoneMessage(WPARAM, LPARAM) {
    return OnLabelDone();
}

LRESULT BCTaskDialog::OnLabelCancelMessage(WPARAM, LPARAM) {
    return OnLabelCancel();
}

void BCTaskDialog::PostNcDestroy() {
    if (m_modeless) delete this;
}

std::optional<LRESULT> BCTaskDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCDialog::OnMessage(m);
}
