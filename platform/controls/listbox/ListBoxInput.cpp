// A person's input to a list box: clicks on rows, the keys and the focus.
#include <algorithm>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/listbox/ListBoxControl.h"
#include "platform/message/MessageApi.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"

namespace winport {

LRESULT ListBoxControl::OnButtonDown(POINT point) {
    if (!AcceptsMouse(m_hwnd)) return 0;
    if (!m_focused) {
        SetFocus(m_hwnd);
        if (!IsWindow(m_hwnd)) return 0;
    }
    const int row = RowAt(point);
    if (row < 0) return 0;
    m_pressed = true;
    Select(row, Notify::No);
    return 0;
}

LRESULT ListBoxControl::OnButtonUp() {
    EndPress();
    return 0;
}

LRESULT ListBoxControl::OnDoubleClick() {
    // The first click of the pair selected the row; the second only reports the double click.
    if (AcceptsMouse(m_hwnd) && NotifiesSelection()) NotifyParent(m_hwnd, LBN_DBLCLK);
    return 0;
}

LRESULT ListBoxControl::OnKeyDown(UINT key) {
    if (WindowStyle(m_hwnd) & LBS_WANTKEYBOARDINPUT) {
        const int answer = AskParent(WM_VKEYTOITEM, key);
        if (!IsWindow(m_hwnd) || answer == -2) return 0;
        if (answer >= 0) {
            ChooseByKeyboard(answer);
            return 0;
        }
    }
    const int count = m_content.Items().Count();
    const int current = m_content.Items().Selection();
    const int page = PageRows();
    int target = -1;
    switch (key) {
        case VK_UP: target = std::max(current - 1, 0); break;
        case VK_DOWN: target = current < 0 ? 0 : std::min(current + 1, count - 1); break;
        case VK_PRIOR: target = std::max(current - page + 1, 0); break;
        case VK_NEXT: target = std::min(std::max(current, 0) + page - 1, count - 1); break;
        case VK_HOME: target = 0; break;
        case VK_END: target = count - 1; break;
        default: return 0;
    }
    ChooseByKeyboard(target);
    return 0;
}

LRESULT ListBoxControl::OnChar(char32_t c) {
    const DWORD style = WindowStyle(m_hwnd);
    if (!m_content.Kind().hasStrings) {
        // Only the parent knows what the rows of a list without strings say.
        if (!(style & LBS_WANTKEYBOARDINPUT)) return 0;
        const int answer = AskParent(WM_CHARTOITEM, static_cast<UINT>(c));
        if (IsWindow(m_hwnd) && answer >= 0) ChooseByKeyboard(answer);
        return 0;
    }
    if (c < U' ') return 0;
    const ListBoxItems& items = m_content.Items();
    ChooseByKeyboard(items.FindPrefix(items.Selection(), EncodeUtf8(c)));
    return 0;
}

LRESULT ListBoxControl::OnSetFocus() {
    m_focused = true;
    RedrawRow(m_caret, ODA_FOCUS, true);
    // Focus changes are reported with or without LBS_NOTIFY.
    if (IsWindow(m_hwnd)) NotifyParent(m_hwnd, LBN_SETFOCUS);
    return 0;
}

LRESULT ListBoxControl::OnKillFocus() {
    EndPress();
    if (!IsWindow(m_hwnd)) return 0;
    m_focused = false;
    RedrawRow(m_caret, ODA_FOCUS, false);
    if (IsWindow(m_hwnd)) NotifyParent(m_hwnd, LBN_KILLFOCUS);
    return 0;
}

void ListBoxControl::ChooseByKeyboard(int index) {
    if (m_content.Items().IsIndex(index)) Select(index, Notify::IfChanged);
}

int ListBoxControl::AskParent(UINT msg, UINT key) {
    const HWND parent = GetParent(m_hwnd);
    if (!parent) return -1;
    const WPARAM keyAndCaret = MAKEWPARAM(static_cast<WORD>(key), static_cast<WORD>(m_caret));
    return static_cast<int>(
        SendMessage(parent, msg, keyAndCaret, reinterpret_cast<LPARAM>(m_hwnd)));
}

void ListBoxControl::EndPress() {
    if (!m_pressed) return;
    m_pressed = false;
    // The release reports the click even when the row was selected already.
    if (NotifiesSelection() && m_content.Items().Count() > 0) {
        NotifyParent(m_hwnd, LBN_SELCHANGE);
    }
}

}  // namespace winport
