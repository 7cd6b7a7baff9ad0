#include <algorithm>
#include <array>
#include <vector>

#include "platform/dialog/DialogApi.h"
#include "platform/dialog/DialogProcedure.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace {

std::array<bool, 256>& KeysDown() {
    thread_local std::array<bool, 256> keys{};
    return keys;
}

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
}

// The tab stops of |parent| in order, descending into child dialogs that hold controls.
void CollectTabStops(HWND parent, std::vector<HWND>& stops) {
    for (HWND child : winport::ChildWindows(parent)) {
        const DWORD style = StyleOf(child);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) continue;
        if (GetWindowLongPtr(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            CollectTabStops(child, stops);
        } else if (style & WS_TABSTOP) {
            stops.push_back(child);
        }
    }
}

bool IsPushButton(HWND hwnd) {
    return (SendMessage(hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) !=
           0;
}

// The push buttons of |parent|, descending into child dialogs that hold controls.
void CollectPushButtons(HWND parent, std::vector<HWND>& buttons) {
    for (HWND child : winport::ChildWindows(parent)) {
        if (GetWindowLongPtr(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            CollectPushButtons(child, buttons);
        } else if (IsPushButton(child)) {
            buttons.push_back(child);
        }
    }
}

// A push button that takes the focus is the default button while it has it; the focus on any
// other control gives the default back to the dialog's own default button.
void MoveDefaultButton(HWND dialog, HWND focus) {
    const LRESULT defId = SendMessage(dialog, DM_GETDEFID, 0, 0);
    HWND own = nullptr;
    if (HIWORD(static_cast<UINT_PTR>(defId)) == DC_HASDEFID) {
        const WORD id = LOWORD(static_cast<UINT_PTR>(defId));
        // Kept by id, so that it stays the dialog's default whichever button looks it.
        SendMessage(dialog, DM_SETDEFID, id, 0);
        own = GetDlgItem(dialog, id);
    }
    const HWND wanted = IsPushButton(focus) ? focus : own;
    std::vector<HWND> buttons;
    CollectPushButtons(dialog, buttons);
    for (HWND button : buttons) {
        const bool isDefault = (SendMessage(button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0;
        if (isDefault != (button == wanted)) {
            SendMessage(button, BM_SETSTYLE, button == wanted ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                        TRUE);
        }
    }
}

void PressDefaultButton(HWND dialog, HWND focus, LRESULT code) {
    if (IsChild(dialog, focus) && (code & DLGC_DEFPUSHBUTTON)) {
        // The click goes to the button's own dialog, which may be a page inside |dialog|.
        SendMessage(GetParent(focus), WM_COMMAND,
                    MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(focus)), BN_CLICKED),
                    reinterpret_cast<LPARAM>(focus));
        return;
    }
    const LRESULT defId = SendMessage(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(static_cast<UINT_PTR>(defId)) == DC_HASDEFID) {
        const WORD id = LOWORD(static_cast<UINT_PTR>(defId));
        const HWND button = GetDlgItem(dialog, id);
        if (!button || IsWindowEnabled(button)) {
            SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button));
        }
        return;
    }
    SendMessage(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// Handles the navigation keys; false when the key is not the dialog's.
bool HandleDialogKey(HWND dialog, const MSG& msg) {
    const HWND focus = msg.hwnd;
    const LRESULT code =
        SendMessage(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTALLKEYS) return false;
    switch (msg.wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB) return false;
            if (const HWND next = GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0)) {
                winport::MoveDialogFocus(dialog, next);
            }
            return true;
        case VK_RETURN: PressDefaultButton(dialog, focus, code); return true;
        case VK_ESCAPE:
            SendMessage(dialog, WM_COMMAND, IDCANCEL,
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
            return true;
        default: return false;
    }
}

}  // namespace

void winport::MoveDialogFocus(HWND dialog, HWND control) {
    if (SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessage(control, EM_SETSEL, 0, -1);
    }
    MoveDefaultButton(dialog, control);
    SetFocus(control);
}

short GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    return KeysDown()[static_cast<size_t>(virtualKey)] ? static_cast<short>(0x8000) : 0;
}

void winport::SetKeyDown(int virtualKey, bool down) {
    if (virtualKey >= 0 && virtualKey <= 255) KeysDown()[static_cast<size_t>(virtualKey)] = down;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> stops;
    CollectTabStops(dialog, stops);
    if (stops.empty()) return nullptr;
    // A control inside a control (a combo box's edit) moves on from the outer one.
    auto found = stops.end();
    for (HWND hwnd = control; hwnd && hwnd != dialog && found == stops.end();
         hwnd = GetAncestor(hwnd, GA_PARENT)) {
        found = std::find(stops.begin(), stops.end(), hwnd);
    }
    if (found == stops.end()) return previous ? stops.back() : stops.front();
    const auto index = static_cast<size_t>(found - stops.begin());
    const size_t count = stops.size();
    return stops[previous ? (index + count - 1) % count : (index + 1) % count];
}

BOOL IsDialogMessage(HWND dialog, MSG* msg) {
    if (!msg || !dialog || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) return FALSE;
    if (msg->message == WM_KEYDOWN && HandleDialogKey(dialog, *msg)) return TRUE;
    TranslateMessage(msg);
    DispatchMessage(msg);
    return TRUE;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND control = GetDlgItem(dialog, id);
    return control ? SendMessage(control, msg, wParam, lParam) : 0;
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check) {
    for (int id = first; id <= last; ++id) {
        if (const HWND button = GetDlgItem(dialog, id)) {
            SendMessage(button, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    return TRUE;
}
