#include "platform/dialog/DialogProcedure.h"

#include <utility>

#include "platform/dialog/DialogApi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/window/Window.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

const bool kRegistered = RegisterSystemClass(kDialogClassName, [](HWND hwnd) {
    return std::unique_ptr<WindowProcedure>(std::make_unique<DialogProcedure>(hwnd));
});

HWND FindDefaultPushButton(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (SendMessage(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return child;
    }
    return nullptr;
}

// The first control a person could use, for a dialog without tab stops.
HWND FirstEnabledControl(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && IsWindowEnabled(child)) return child;
    }
    return nullptr;
}

}  // namespace

DialogProcedure::~DialogProcedure() {
    if (font) DeleteObject(font);
}

DialogProcedure* FindDialogProcedure(HWND hwnd) {
    Window* window = FindWindowObject(hwnd);
    return window ? dynamic_cast<DialogProcedure*>(window->classProcedure.get()) : nullptr;
}

LRESULT DialogProcedure::OnGetDefId() {
    if (defaultId) return MAKELONG(static_cast<WORD>(defaultId), DC_HASDEFID);
    if (const HWND button = FindDefaultPushButton(m_hwnd)) {
        return MAKELONG(static_cast<WORD>(GetDlgCtrlID(button)), DC_HASDEFID);
    }
    return 0;
}

LRESULT DialogProcedure::OnNextControl(WPARAM wParam, LPARAM lParam) {
    // A dialog inside a dialog (a page) leaves it to the dialog around it.
    const HWND parent = GetParent(m_hwnd);
    if ((GetWindowLongPtr(m_hwnd, GWL_STYLE) & WS_CHILD) && FindDialogProcedure(parent)) {
        return SendMessage(parent, WM_NEXTDLGCTL, wParam, lParam);
    }
    const HWND control = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                        : GetNextDlgTabItem(m_hwnd, GetFocus(), wParam != 0);
    if (control && IsChild(m_hwnd, control)) MoveDialogFocus(m_hwnd, control);
    return 0;
}

void DialogProcedure::RestoreFocus(bool justActivated) {
    // An ended dialog keeps the focus it took from its controls.
    if (ended) return;
    HWND control = std::exchange(m_savedFocus, nullptr);
    if (control && IsWindow(control) && IsChild(m_hwnd, control)) {
        if (justActivated) {
            SetFocus(control);
            return;
        }
    } else if (justActivated) {
        return;
    } else if (!(control = GetNextDlgTabItem(m_hwnd, nullptr, FALSE))) {
        control = FirstEnabledControl(m_hwnd);
    }
    if (control) MoveDialogFocus(m_hwnd, control);
}

LRESULT DialogProcedure::HandleMessage(const Message& m) {
    switch (m.id) {
        case WM_SETFOCUS: RestoreFocus(false); return 0;
        case WM_ACTIVATE:
            if (LOWORD(m.wParam) != WA_INACTIVE) {
                RestoreFocus(true);
            } else if (const HWND focus = GetFocus(); focus && IsChild(m_hwnd, focus)) {
                m_savedFocus = focus;
            }
            return 0;
        case DM_GETDEFID: return OnGetDefId();
        case DM_SETDEFID: defaultId = static_cast<int>(m.wParam); return TRUE;
        case WM_NEXTDLGCTL: return OnNextControl(m.wParam, m.lParam);
        case WM_CLOSE:
            // A dialog's close box is its Cancel button.
            PostMessage(m_hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(m_hwnd, IDCANCEL)));
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font);
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

}  // namespace winport

LRESULT DefDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    return winport::CallClassProcedure(dialog, msg, wParam, lParam);
}
