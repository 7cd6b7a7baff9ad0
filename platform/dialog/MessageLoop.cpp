#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace {

// The outermost dialog that holds |hwnd|: it handles the keyboard for every control inside.
HWND OutermostDialog(HWND hwnd) {
    HWND dialog = nullptr;
    for (HWND window = hwnd; window; window = GetAncestor(window, GA_PARENT)) {
        if (winport::IsDialogWindow(window)) dialog = window;
    }
    return dialog;
}

}  // namespace

void winport::ProcessMessage(const MSG& msg) {
    MSG copy = msg;
    if (msg.hwnd && msg.message >= WM_KEYDOWN && msg.message <= WM_SYSCHAR) {
        if (const HWND dialog = OutermostDialog(msg.hwnd);
            dialog && IsDialogMessage(dialog, &copy)) {
            return;
        }
    }
    TranslateMessage(&copy);
    DispatchMessage(&copy);
}

int winport::PumpMessages() {
    int handled = 0;
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ProcessMessage(msg);
        ++handled;
    }
    return handled;
}
