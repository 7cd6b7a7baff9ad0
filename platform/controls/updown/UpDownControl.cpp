#include "platform/controls/updown/UpDownControl.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/ControlSupport.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

struct Registrar {
    Registrar() {
        RegisterSystemClass(UPDOWN_CLASS, [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<UpDownControl>(hwnd);
        });
    }
} const kRegistrar;

}  // namespace

LRESULT UpDownControl::HandleMessage(const Message& m) {
    switch (m.id) {
        case WM_CREATE: return OnCreate(reinterpret_cast<const CREATESTRUCT*>(m.lParam));
        case UDM_SETRANGE:
            return OnSetRange(static_cast<short>(HIWORD(static_cast<UINT_PTR>(m.lParam))),
                              static_cast<short>(LOWORD(static_cast<UINT_PTR>(m.lParam))));
        case UDM_GETRANGE: return MAKELONG(static_cast<WORD>(m_upper), static_cast<WORD>(m_lower));
        case UDM_SETRANGE32:
            return OnSetRange(static_cast<int>(m.wParam), static_cast<int>(m.lParam));
        case UDM_GETRANGE32:
            return OnGetRange32(reinterpret_cast<int*>(m.wParam), reinterpret_cast<int*>(m.lParam));
        case UDM_SETPOS:
            return OnSetPos(static_cast<short>(LOWORD(static_cast<UINT_PTR>(m.lParam))));
        case UDM_GETPOS: return OnGetPos16();
        case UDM_SETPOS32: return OnSetPos(static_cast<int>(m.lParam));
        case UDM_GETPOS32: return OnGetPos(reinterpret_cast<BOOL*>(m.lParam));
        case UDM_SETBUDDY: return OnSetBuddy(reinterpret_cast<HWND>(m.wParam));
        case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(m_buddy);
        case UDM_SETBASE: return OnSetBase(m.wParam);
        case UDM_GETBASE: return m_base;
        case WM_LBUTTONDOWN: return OnButtonDown(PointFromLParam(m.lParam));
        case WM_LBUTTONUP: return OnButtonUp(PointFromLParam(m.lParam));
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam), m.lParam);
        case WM_ENABLE: return OnEnable(m.wParam != 0);
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT UpDownControl::OnCreate(const CREATESTRUCT* create) {
    const auto style = static_cast<DWORD>(create ? create->style : 0);
    m_buddyInt = (style & UDS_SETBUDDYINT) != 0;
    if (!(style & UDS_HORZ)) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        SetWindowPos(m_hwnd, nullptr, 0, 0, kWidth, client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    }
    // The buddy it picks itself is the window created just before it.
    if (style & UDS_AUTOBUDDY) OnSetBuddy(GetWindow(m_hwnd, GW_HWNDPREV));
    return 0;
}

LRESULT UpDownControl::OnSetRange(int lower, int upper) {  // The position stays as it is.
    m_lower = lower;
    m_upper = upper;
    return 0;
}

LRESULT UpDownControl::OnGetRange32(int* lower, int* upper) const {
    if (lower) *lower = m_lower;
    if (upper) *upper = m_upper;
    return 0;
}

LRESULT UpDownControl::OnSetPos(int position) {
    const int previous = Clamped(m_position);
    m_position = Clamped(position);
    WriteBuddy();
    return previous;
}

LRESULT UpDownControl::OnGetPos(BOOL* error) {
    // The position is the buddy's number, clamped into the range; without one, the last
    // position. The answer reports an error unless the buddy held a number within the range.
    const std::optional<long long> number = BuddyNumber();
    if (number) m_position = Clamped(*number);
    if (error) *error = number && InRange(*number) ? FALSE : TRUE;
    return Clamped(m_position);
}

LRESULT UpDownControl::OnGetPos16() {
    // The 16-bit form packs the position and the error flag into one answer.
    BOOL error = FALSE;
    const auto position = static_cast<WORD>(OnGetPos(&error));
    return MAKELONG(position, static_cast<WORD>(error));
}

LRESULT UpDownControl::OnSetBuddy(HWND buddy) {
    const HWND previous = m_buddy;
    m_buddy = IsWindow(buddy) ? buddy : nullptr;
    std::string className = m_buddy ? GetClassNameOf(m_buddy) : std::string();
    std::transform(className.begin(), className.end(), className.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    m_buddyIsEdit = className == "edit";
    if (m_buddy) {
        PlaceBesideBuddy();
    } else if (previous && !(WindowStyle(m_hwnd) & UDS_HORZ)) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        SetWindowPos(m_hwnd, nullptr, 0, 0, kWidth, client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT UpDownControl::OnSetBase(WPARAM base) {
    if (base != 10 && base != 16) return 0;
    const int previous = m_base;
    m_base = static_cast<int>(base);
    if (m_base != previous) WriteBuddy();
    return previous;
}

LRESULT UpDownControl::OnButtonDown(POINT point) {
    if (!Enabled()) return 0;
    // The buddy edit takes the focus, so that typing goes on there.
    if (m_buddyIsEdit && IsWindow(m_buddy)) {
        SetFocus(m_buddy);
        if (!IsWindow(m_hwnd)) return 0;
    }
    const Arrow arrow = ArrowAt(point);
    if (arrow == Arrow::None) return 0;
    ReadBuddy();
    m_pressed = arrow;
    Step(arrow);
    return 0;
}

LRESULT UpDownControl::OnButtonUp(POINT point) {
    if (m_pressed == Arrow::None) return 0;
    m_pressed = Arrow::None;
    // A release away from the arrows ends the press without a word.
    if (!ClientContains(m_hwnd, point)) return 0;
    SendScroll(SB_ENDSCROLL);
    if (IsWindow(m_hwnd) && m_buddyIsEdit && IsWindow(m_buddy)) {
        SendMessage(m_buddy, EM_SETSEL, 0, -1);
    }
    return 0;
}

LRESULT UpDownControl::OnKeyDown(UINT key, LPARAM keyData) {
    if (!(WindowStyle(m_hwnd) & UDS_ARROWKEYS) || !Enabled() || (key != VK_UP && key != VK_DOWN)) {
        return DefWindowProc(m_hwnd, WM_KEYDOWN, key, keyData);
    }
    ReadBuddy();
    Step(key == VK_UP ? Arrow::Up : Arrow::Down);
    return 0;
}

LRESULT UpDownControl::OnEnable(bool enabled) {
    if (!enabled) m_pressed = Arrow::None;
    return 0;
}

void UpDownControl::Step(Arrow arrow) {
    // The delta is the change of position: with the lower end above the upper one, up decreases.
    const int direction = arrow == Arrow::Up ? 1 : -1;
    NMUPDOWN notification;
    notification.iPos = m_position;
    notification.iDelta = m_upper < m_lower ? -direction : direction;
    const bool refused = SendNotify(m_hwnd, notification.hdr, UDN_DELTAPOS) != 0;
    if (!IsWindow(m_hwnd)) return;
    // The handler may have changed the delta; Windows applies the one it leaves.
    if (!refused && Offset(notification.iDelta)) {
        WriteBuddy();
        if (!IsWindow(m_hwnd)) return;
    }
    // Windows reports the position after every press, also one UDN_DELTAPOS refused
    // (Wine's updown.c, UPDOWN_DoAction: "This message is sent in any case").
    SendScroll(SB_THUMBPOSITION);
}

bool UpDownControl::Offset(int delta) {
    long long next = static_cast<long long>(m_position) + delta;
    if (!InRange(next)) {
        if (WindowStyle(m_hwnd) & UDS_WRAP) {
            // Past one end it comes round at the other.
            const long long low = std::min(m_lower, m_upper);
            const long long span = static_cast<long long>(std::max(m_lower, m_upper)) - low + 1;
            next = low + ((next - low) % span + span) % span;
        } else {
            next = Clamped(next);
        }
    }
    const bool changed = next != m_position;
    m_position = static_cast<int>(next);
    return changed;
}

bool UpDownControl::InRange(long long value) const {
    return value >= std::min(m_lower, m_upper) && value <= std::max(m_lower, m_upper);
}

int UpDownControl::Clamped(long long value) const {
    return static_cast<int>(
        std::clamp<long long>(value, std::min(m_lower, m_upper), std::max(m_lower, m_upper)));
}

UpDownControl::Arrow UpDownControl::ArrowAt(POINT point) const {
    if (!ClientContains(m_hwnd, point)) return Arrow::None;
    RECT client;
    GetClientRect(m_hwnd, &client);
    // Each arrow takes half the control; with UDS_HORZ up is the right half.
    if (WindowStyle(m_hwnd) & UDS_HORZ) {
        const LONG half = client.right / 2;
        if (point.x >= client.right - half) return Arrow::Up;
        return point.x < half ? Arrow::Down : Arrow::None;
    }
    const LONG half = client.bottom / 2;
    if (point.y < half) return Arrow::Up;
    return point.y >= client.bottom - half ? Arrow::Down : Arrow::None;
}

bool UpDownControl::Enabled() const {
    // A disabled buddy disables the arrows too.
    if (!AcceptsMouse(m_hwnd)) return false;
    return !IsWindow(m_buddy) || IsWindowEnabled(m_buddy);
}

void UpDownControl::SendScroll(WORD code) {
    const HWND parent = GetParent(m_hwnd);
    if (!parent) return;
    const UINT message = (WindowStyle(m_hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    SendMessage(parent, message, MAKEWPARAM(code, static_cast<WORD>(m_position)),
                reinterpret_cast<LPARAM>(m_hwnd));
}

std::vector<std::string> UpDownControl::DescribeState(HWND) const {
    const int position = Clamped(BuddyValue().value_or(m_position));
    return {"pos=" + std::to_string(position),
            "range=" + std::to_string(m_lower) + ".." + std::to_string(m_upper)};
}

}  // namespace winport
