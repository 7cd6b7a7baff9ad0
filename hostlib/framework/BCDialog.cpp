#include "hostlib/framework/BCDialog.h"

#include "hostlib/controls/BCOwnerDrawReflection.h"

const winport::Route<BCDialog> BCDialog::kRoutes[] = {
    {WM_SIZE, &BCDialog::OnSizeMessage},
    {WM_MEASUREITEM, &BCDialog::OnOwnerDrawMessage},
    {WM_DRAWITEM, &BCDialog::OnOwnerDrawMessage},
};

BCDialog::BCDialog(BCUserInfo* user, UINT templateId, int contextNumber, CWnd* parent)
    : CDialog(templateId, parent), m_pUserInfo(user), m_contextNumber(contextNumber) {}

void BCDialog::SetUser(BCUserInfo* user) {
    m_pUserInfo = user;
}

void BCDialog::Layout() {}

BOOL BCDialog::CanKillDialog() {
    return TRUE;
}

LRESULT BCDialog::OnSizeMessage(WPARAM, LPARAM) {
    Layout();
    return 0;
}

std::optional<LRESULT> BCDialog::OnOwnerDrawMessage(const winport::Message& m) {
    return ReflectOwnerDraw(m_hWnd, m);
}

std::optional<LRESULT> BCDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CDialog::OnMessage(m);
}
