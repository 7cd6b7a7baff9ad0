#include "platform/automation/Agent.h"
#include "platform/controls/ButtonKind.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
}

bool IsDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Why typing |text| into |hwnd| would leave it unchanged, or nothing when it takes the text.
std::string TypingRefusal(HWND hwnd, std::string_view text) {
    if (!(SendMessage(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) return "does not take text";
    const DWORD style = StyleOf(hwnd);
    if (style & ES_READONLY) return "is read-only";
    if ((style & ES_NUMBER) && !IsDigits(text)) return "takes digits only";
    return {};
}

}  // namespace

std::string Agent::ControlName(HWND hwnd) {
    return GetClassNameOf(hwnd) + " " + std::to_string(GetDlgCtrlID(hwnd));
}

bool Agent::Fail(std::string text) {
    m_lastError = std::move(text);
    return false;
}

bool Agent::CanReach(HWND hwnd) {
    if (!IsWindow(hwnd)) return Fail("no such window");
    if (!IsWindowVisible(hwnd)) return Fail(ControlName(hwnd) + " is not visible");
    for (HWND window = hwnd; window; window = GetAncestor(window, GA_PARENT)) {
        if (!IsWindowEnabled(window)) return Fail(ControlName(hwnd) + " is disabled");
    }
    m_lastError.clear();
    return true;
}

bool Agent::CanClick(HWND hwnd) {
    if (!CanReach(hwnd)) return false;
    // Windows lets a click on a static without SS_NOTIFY or on a group box through to the
    // window behind it.
    if ((GetClassNameOf(hwnd) == "Static" && !(StyleOf(hwnd) & SS_NOTIFY)) ||
        ButtonKindOf(hwnd) == ButtonKind::GroupBox) {
        return Fail(ControlName(hwnd) + " does not take clicks");
    }
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
    if (!CanClick(hwnd)) return false;
    SendMouse(hwnd, WM_LBUTTONDOWN, WM_LBUTTONUP);
    PumpMessages();
    return true;
}

bool Agent::DoubleClick(HWND hwnd) {
    if (!CanClick(hwnd)) return false;
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
    if (GetClassNameOf(hwnd) == kComboBoxClassName) return TypeInCombo(hwnd, text, mode);
    if (std::string refusal = TypingRefusal(hwnd, text); !refusal.empty()) {
        return Fail(ControlName(hwnd) + " " + refusal);
    }
    if (GetFocus() != hwnd) SetFocus(hwnd);
    if (GetFocus() != hwnd) return Fail(ControlName(hwnd) + " does not take the focus");
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

bool Agent::TypeKeys(std::string_view text) {
    while (!text.empty()) {
        const HWND focus = GetFocus();
        if (!focus) return Fail("no window has the focus");
        if (!CanReach(focus)) return false;
        const Utf8Decoded decoded = DecodeUtf8(text);
        PostMessage(focus, WM_CHAR, static_cast<WPARAM>(decoded.codePoint), 1);
        PumpMessages();
        text.remove_prefix(decoded.length);
    }
    return true;
}

bool Agent::Tick(HWND checkBox, CheckState state) {
    if (!CanReach(checkBox)) return false;
    const ButtonKind kind = ButtonKindOf(checkBox);
    const bool radio = kind == ButtonKind::Radio;
    if (kind != ButtonKind::CheckBox && !radio) {
        return Fail(ControlName(checkBox) + " is not a check box");
    }
    const WPARAM wanted = state == CheckState::Checked ? BST_CHECKED : BST_UNCHECKED;
    for (int clicks = 0; clicks < 3; ++clicks) {
        if (!IsWindow(checkBox)) return Fail("no such window");
        if (static_cast<WPARAM>(SendMessage(checkBox, BM_GETCHECK, 0, 0)) == wanted) return true;
        if (radio && state == CheckState::Unchecked) {
            return Fail(ControlName(checkBox) + " is a radio button: ticking another unticks it");
        }
        if (!Click(checkBox)) return false;
    }
    return Fail(ControlName(checkBox) + " does not change when clicked");
}

}  // namespace winport
