#include "platform/dialog/DialogProcedure.h"

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

LRESULT DialogProcedure::HandleMessage(const Message& m) {
    switch (m.id) {
        case DM_GETDEFID: return OnGetDefId();
        case DM_SETDEFID: defaultId = static_cast<int>(m.wParam); return TRUE;
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
