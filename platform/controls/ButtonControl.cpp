#include "platform/controls/ButtonControl.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/ControlSupport.h"
#include "platform/core/LastError.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

constexpr LRESULT kCheckBits = BST_CHECKED | BST_INDETERMINATE;

// The highest check state each kind can hold; BM_SETCHECK clamps to it.
WPARAM MaxCheckState(DWORD kind) {
    switch (kind) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return BST_CHECKED;
        case BS_3STATE:
        case BS_AUTO3STATE: return BST_INDETERMINATE;
        default: return BST_UNCHECKED;
    }
}

bool IsRadio(DWORD kind) {
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

bool IsGroupStart(HWND hwnd) {
    return (WindowStyle(hwnd) & WS_GROUP) != 0;
}

// The group of |control| as the dialog manager walks it, starting at the control itself: the
// group runs from the nearest WS_GROUP sibling at or before it up to the next WS_GROUP sibling,
// wrapping around the sibling list. As in Windows' walk, hidden or disabled members are skipped.
std::vector<HWND> GroupFrom(HWND control) {
    const std::vector<HWND> siblings = ChildWindows(GetParent(control));
    const auto self = std::find(siblings.begin(), siblings.end(), control);
    if (self == siblings.end()) return {control};
    const size_t count = siblings.size();
    const auto index = static_cast<size_t>(self - siblings.begin());
    size_t first = index;
    for (size_t step = 1; step < count && !IsGroupStart(siblings[first]); ++step) {
        first = (first + count - 1) % count;
    }
    std::vector<HWND> group;
    for (size_t step = 0; step < count; ++step) {
        const HWND sibling = siblings[(first + step) % count];
        if (step > 0 && IsGroupStart(sibling)) break;
        group.push_back(sibling);
    }
    std::rotate(group.begin(), std::find(group.begin(), group.end(), control), group.end());
    std::erase_if(group, [control](HWND member) {
        return member != control &&
               (WindowStyle(member) & (WS_VISIBLE | WS_DISABLED)) != WS_VISIBLE;
    });
    return group;
}

struct Registrar {
    Registrar() {
        RegisterSystemClass("Button", [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<ButtonControl>(hwnd);
        });
    }
} const kRegistrar;

}  // namespace

LRESULT ButtonControl::HandleMessage(const Message& m) {
    switch (m.id) {
        case WM_GETDLGCODE: return OnGetDlgCode();
        case BM_GETCHECK: return m_state & kCheckBits;
        case BM_SETCHECK: return OnSetCheck(m.wParam);
        case BM_GETSTATE: return m_state;
        case BM_SETSTATE: return OnSetState(m.wParam != 0);
        case BM_SETSTYLE: return OnSetStyle(static_cast<DWORD>(m.wParam) & BS_TYPEMASK);
        case BM_CLICK: return OnClick();
        case BM_SETIMAGE:
            return OnSetImage(static_cast<UINT>(m.wParam), reinterpret_cast<void*>(m.lParam));
        case BM_GETIMAGE: return reinterpret_cast<LRESULT>(m_image);
        case WM_LBUTTONDOWN: return OnButtonDown();
        case WM_LBUTTONUP: return OnButtonUp(PointFromLParam(m.lParam));
        case WM_LBUTTONDBLCLK: return OnDoubleClick();
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam));
        case WM_KEYUP: return OnKeyUp(static_cast<UINT>(m.wParam));
        case WM_SETFOCUS: return OnSetFocus();
        case WM_KILLFOCUS: return OnKillFocus();
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT ButtonControl::OnGetDlgCode() const {
    switch (Kind()) {
        case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX: return DLGC_STATIC;
        default: return DLGC_BUTTON;
    }
}

LRESULT ButtonControl::OnSetCheck(WPARAM check) {  // Never notifies.
    const DWORD kind = Kind();
    check = std::min(check, MaxCheckState(kind));
    if (IsRadio(kind)) {
        // The checked radio button is the group's tab stop.
        const DWORD style = WindowStyle(m_hwnd);
        SetWindowStyle(m_hwnd, check ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
    m_state = (m_state & ~kCheckBits) | static_cast<LRESULT>(check);
    return 0;
}

LRESULT ButtonControl::OnSetState(bool pushed) {
    m_state = pushed ? m_state | BST_PUSHED : m_state & ~BST_PUSHED;
    return 0;
}

LRESULT ButtonControl::OnSetStyle(DWORD kind) {
    // Only the kind changes, as when the dialog manager moves the default push button.
    SetWindowStyle(m_hwnd, (WindowStyle(m_hwnd) & ~BS_TYPEMASK) | kind);
    return 0;
}

LRESULT ButtonControl::OnClick() {
    // A click at the client origin, through the same messages a person's click sends.
    SendMessage(m_hwnd, WM_LBUTTONDOWN, 0, 0);
    if (IsWindow(m_hwnd)) SendMessage(m_hwnd, WM_LBUTTONUP, 0, 0);
    return 0;
}

LRESULT ButtonControl::OnSetImage(UINT type, void* image) {
    if (type != IMAGE_BITMAP && type != IMAGE_ICON) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "BM_SETIMAGE: image type " +
                                                      std::to_string(type) +
                                                      " is neither IMAGE_BITMAP nor IMAGE_ICON");
        return 0;
    }
    void* previous = m_image;
    m_image = image;
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT ButtonControl::OnButtonDown() {
    if (Kind() == BS_GROUPBOX || !AcceptsMouse(m_hwnd)) return 0;
    SetFocus(m_hwnd);
    if (IsWindow(m_hwnd)) Press();
    return 0;
}

LRESULT ButtonControl::OnButtonUp(POINT point) {
    if (AcceptsMouse(m_hwnd)) {
        EndPress(ClientContains(m_hwnd, point) ? Release::Inside : Release::Outside);
    }
    return 0;
}

LRESULT ButtonControl::OnDoubleClick() {
    const DWORD kind = Kind();
    if (kind == BS_GROUPBOX || !AcceptsMouse(m_hwnd)) return 0;
    // These report the second click of a double click instead of pressing again.
    if ((WindowStyle(m_hwnd) & BS_NOTIFY) || kind == BS_RADIOBUTTON || kind == BS_OWNERDRAW) {
        NotifyParent(m_hwnd, BN_DOUBLECLICKED);
        return 0;
    }
    return OnButtonDown();
}

LRESULT ButtonControl::OnKeyDown(UINT key) {
    if (key == VK_SPACE && Kind() != BS_GROUPBOX) Press();
    return 0;
}

LRESULT ButtonControl::OnKeyUp(UINT key) {
    if (key == VK_SPACE) EndPress(Release::Inside);
    return 0;
}

LRESULT ButtonControl::OnSetFocus() {
    m_state |= BST_FOCUS;
    if (WindowStyle(m_hwnd) & BS_NOTIFY) NotifyParent(m_hwnd, BN_SETFOCUS);
    return 0;
}

LRESULT ButtonControl::OnKillFocus() {
    m_state &= ~BST_FOCUS;
    // Losing the focus ends a press without a click, as losing the mouse capture does.
    if (m_pressed) {
        m_pressed = false;
        SendMessage(m_hwnd, BM_SETSTATE, FALSE, 0);
        if (!IsWindow(m_hwnd)) return 0;
    }
    if (WindowStyle(m_hwnd) & BS_NOTIFY) NotifyParent(m_hwnd, BN_KILLFOCUS);
    return 0;
}

void ButtonControl::Press() {
    m_pressed = true;
    SendMessage(m_hwnd, BM_SETSTATE, TRUE, 0);
}

void ButtonControl::EndPress(Release release) {
    if (!m_pressed) return;
    m_pressed = false;
    if (!(m_state & BST_PUSHED)) return;
    SendMessage(m_hwnd, BM_SETSTATE, FALSE, 0);
    if (release == Release::Outside || !IsWindow(m_hwnd)) return;
    ToggleIfAutomatic();
    if (IsWindow(m_hwnd)) NotifyParent(m_hwnd, BN_CLICKED);  // The only path to BN_CLICKED.
}

void ButtonControl::ToggleIfAutomatic() {
    const LRESULT check = m_state & kCheckBits;
    switch (Kind()) {
        case BS_AUTOCHECKBOX:
            SendMessage(m_hwnd, BM_SETCHECK, check ? BST_UNCHECKED : BST_CHECKED, 0);
            break;
        case BS_AUTO3STATE:
            // Unchecked, checked, indeterminate, and round again.
            SendMessage(m_hwnd, BM_SETCHECK, check == BST_INDETERMINATE ? 0 : check + 1, 0);
            break;
        case BS_AUTORADIOBUTTON: CheckInGroup(); break;
        default: break;
    }
}

void ButtonControl::CheckInGroup() {
    // Every radio button of the group, automatic or not, answers DLGC_RADIOBUTTON and is
    // unchecked; the clicked one is checked.
    constexpr LRESULT kRadio = DLGC_BUTTON | DLGC_RADIOBUTTON;
    for (const HWND member : GroupFrom(m_hwnd)) {
        if (!IsWindow(m_hwnd)) return;
        if (!IsWindow(member) || (SendMessage(member, WM_GETDLGCODE, 0, 0) & kRadio) != kRadio) {
            continue;
        }
        SendMessage(member, BM_SETCHECK, member == m_hwnd ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

DWORD ButtonControl::Kind() const {
    return WindowStyle(m_hwnd) & BS_TYPEMASK;
}

}  // namespace winport
