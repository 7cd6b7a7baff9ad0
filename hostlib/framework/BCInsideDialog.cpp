#include "hostlib/framework/BCInsideDialog.h"

#include "hostlib/framework/FrameworkMessages.h"

const winport::Route<BCInsideDialog> BCInsideDialog::kRoutes[] = {
    {BCM_PAGEVALIDATE, &BCInsideDialog::OnPageValidateMessage},
    {BCM_PAGEFOCUSOUT, &BCInsideDialog::OnPageFocusOutMessage},
    {BCM_PAGEDEFERRED, &BCInsideDialog::OnPageDeferredMessage},
};

BCInsideDialog::BCInsideDialog(BCUserInfo* user, UINT templateId, int contextNumber, CWnd* parent)
    : BCDialog(user, templateId, contextNumber, parent) {}

BOOL BCInsideDialog::DoCheckPrev() {
    return TRUE;
}

void BCInsideDialog::DoClose() {
    WriteStateToRegistry();
}

void BCInsideDialog::WriteStateToRegistry() {}

void BCInsideDialog::ReadStateFromRegistry() {}

LRESULT BCInsideDialog::OnPageFocusOut() {
    return 1;
}

LRESULT BCInsideDialog::OnPageDeferred() {
    return 1;
}

LRESULT BCInsideDialog::OnPageValidateMessage(WPARAM, LPARAM) {
    return PageValidate() == 0 ? 0 : 1;
}

LRESULT BCInsideDialog::OnPageFocusOutMessage(WPARAM, LPARAM) {
    return OnPageFocusOut();
}

LRESULT BCInsideDialog::OnPageDeferredMessage(WPARAM, LPARAM) {
    return OnPageDeferred();
}

std::optional<LRESULT> BCInsideDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCDialog::OnMessage(m);
}
