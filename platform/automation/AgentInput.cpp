#include "platform/automation/Agent.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {

bool Agent::Fail(std::string text) {
    m_lastError = std::move(text);
    return false;
}

bool Agent::CanReach(HWND hwnd) {
    if (!IsWindow(hwnd)) return Fail("no such window");
    const std::string name = GetClassNameOf(hwnd) + " " + std::to_string(GetDlgCtrlID(hwnd));
    if (!IsWindowVisible(hwnd)) return Fail(name + " is not visible");
    for (HWND window = hwnd; window; window = GetAncestor(window, GA_PARENT)) {
        if (!IsWindowEnabled(window)) return Fail(name + " is disabled");
    }
    m_lastError.clear();
    return true;
}

void Agent::SendMouse(HWND hwnd, UINT down, UINT up) {
    RECT client;
    GetClientRect(hwnd, &client);
    const LPARAM point =
        MAKELPARAM(static_cast<WORD>(client.right / 2), static_cast<WORD>(client.bottom / 2));
    const WPARAM button = down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
    PostMessage(hwnd, down, button, point);
    PostMessage(hwnd, up, 0, point);
}

bool Agent::Click(HWND hwnd) {
    if (!CanReach(hwnd)) return false;
    SendMouse(hwnd, WM_LBUTTONDOWN, WM_LBUTTONUP);
    PumpMessages();
    return true;
}

bool Agent::DoubleClick(HWND hwnd) {
    if (!CanReach(hwnd)) return false;
    SendMouse(hwnd, WM_LBUTTONDOWN, WM_LBUTTONUP);
    SendMouse(hwnd, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
    PumpMessages();
    return true;
}

bool Agent::RightClick(HWND hwnd) {
    if (!CanReach(hwnd)) return false;
    SendMouse(hwnd, WM_RBUTTONDOWN, WM_RBUTTONUP);
    PumpMessages();
    return true;
}

bool Agent::Focus(HWND hwnd) {
    if (!CanReach(hwnd)) return false;
    SetFocus(hwnd);
    PumpMessages();
    return true;
}

bool Agent::Type(HWND hwnd, std::string_view text, TypeMode mode) {
    if (!CanReach(hwnd)) return false;
    if (GetFocus() != hwnd) SetFocus(hwnd);
    if (mode == TypeMode::Replace) {
        SendMessage(hwnd, EM_SETSEL, 0, -1);
        if (text.empty() && GetWindowTextLength(hwnd) > 0) PostMessage(hwnd, WM_CHAR, 0x08, 1);
    } else {
        SendMessage(hwnd, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        const auto end = static_cast<WPARAM>(CodePointCount(GetWindowTextUtf8(hwnd)));
        SendMessage(hwnd, EM_SETSEL, end, static_cast<LPARAM>(end));
    }
    while (!text.empty()) {
        const Utf8Decoded decoded = DecodeUtf8(text);
        PostMessage(hwnd, WM_CHAR, static_cast<WPARAM>(decoded.codePoint), 1);
        text.remove_prefix(decoded.length);
    }
    PumpMessages();
    return true;
}

bool Agent::PressKey(UINT virtualKey, KeyModifier modifier) {
    const HWND focus = GetFocus();
    if (!focus) return Fail("no window has the focus");
    if (!CanReach(focus)) return false;
    const int held = modifier == KeyModifier::Shift     ? VK_SHIFT
                     : modifier == KeyModifier::Control ? VK_CONTROL
                                                        : 0;
    if (held) SetKeyDown(held, true);
    PostMessage(focus, WM_KEYDOWN, virtualKey, 1);
    PumpMessages();
    if (IsWindow(focus)) PostMessage(focus, WM_KEYUP, virtualKey, 1);
    PumpMessages();
    if (held) SetKeyDown(held, false);
    return true;
}

bool Agent::Tick(HWND checkBox, bool checked) {
    const WPARAM wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    for (int clicks = 0; clicks < 3; ++clicks) {
        if (!IsWindow(checkBox)) return Fail("no such window");
        if (static_cast<WPARAM>(SendMessage(checkBox, BM_GETCHECK, 0, 0)) == wanted) return true;
        if (!Click(checkBox)) return false;
    }
    return Fail("the check box does not change when clicked");
}

}  // namespace winport
