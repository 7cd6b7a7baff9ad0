#include "platform/mfc/Dialog.h"

#include "platform/dialog/DialogApi.h"
#include "platform/resources/ResourceChain.h"
#include "platform/window/WindowApi.h"

const winport::Route<CDialog> CDialog::kRoutes[] = {
    {WM_INITDIALOG, &CDialog::OnInitDialogMessage},
    {WM_COMMAND, BN_CLICKED, IDOK, &CDialog::OnOK},
    {WM_COMMAND, BN_CLICKED, IDCANCEL, &CDialog::OnCancel},
};

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

HWND CDialog::CreateFromTemplate(HWND parent) {
    const winport::DialogTemplate* tmpl =
        winport::FindDialogTemplate(static_cast<int>(m_templateId));
    if (!tmpl) return nullptr;
    return winport::CreateDialogFromTemplate(*tmpl, parent, this, 0);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_templateId = templateId;
    m_pParentWnd = parent;
    return CreateFromTemplate(parent ? parent->m_hWnd : nullptr) ? TRUE : FALSE;
}

INT_PTR CDialog::DoModal() {
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    const HWND focusBefore = ::GetFocus();
    const HWND dialog = CreateFromTemplate(parent);
    if (!dialog) return -1;
    const INT_PTR result = winport::RunModalLoop(dialog);
    if (::IsWindow(dialog)) ::DestroyWindow(dialog);
    // A dialog owner gives its control the focus back when it comes to the front again; a plain
    // window takes the focus itself, and the control that had it gets it back here instead, as
    // a frame passes it on to its view on Windows.
    const HWND focus = ::GetFocus();
    if (focusBefore && focus != focusBefore && ::IsWindow(focusBefore) &&
        (!focus || focus == ::GetAncestor(focusBefore, GA_ROOT)) &&
        ::IsWindowVisible(focusBefore) && ::IsWindowEnabled(focusBefore)) {
        ::SetFocus(focusBefore);
    }
    return result;
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::OnInitDialogMessage(WPARAM, LPARAM) {
    return OnInitDialog();
}

std::optional<LRESULT> CDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CWnd::OnMessage(m);
}
