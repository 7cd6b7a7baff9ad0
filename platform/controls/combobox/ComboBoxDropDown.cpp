// A person's input to a combo box: the mouse on the field, the button and the list, the keys of
// a drop-down list, and the focus; and the list going down and coming up again.
#include <algorithm>

#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ControlSupport.h"
#include "platform/controls/combobox/ComboBoxControl.h"
#include "platform/message/MessageApi.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

}  // namespace

LRESULT ComboBoxControl::OnButtonDown(POINT point) {
    if (!AcceptsMouse(m_hwnd)) return 0;
    if (ListShown() && Contains(ListRect(), point)) {
        // A press on a row selects it; the release reports the pick. Below the last row nothing
        // happens.
        const int row = Items().Top() + (point.y - ListRect().top) / m_itemHeight;
        if (!Items().IsIndex(row)) return 0;
        if (!m_focused) {
            SetFocus(m_edit ? m_edit : m_hwnd);
            if (!IsWindow(m_hwnd)) return 0;
        }
        m_pressedRow = true;
        Items().Select(row);
        return 0;
    }
    if (m_dropped) {
        // Any click off the list puts the list away and the selection back.
        Items().Select(m_droppedSelection);
        RollUp(false);
        return 0;
    }
    if (!m_focused) {
        SetFocus(m_hwnd);
        if (!IsWindow(m_hwnd) || !m_focused) return 0;
    }
    if (m_kind == CBS_DROPDOWNLIST || (m_kind == CBS_DROPDOWN && Contains(ButtonRect(), point))) {
        m_openingClick = true;
        DropDown();
    }
    return 0;
}

LRESULT ComboBoxControl::OnButtonUp() {
    if (m_pressedRow) {
        m_pressedRow = false;
        PickFromList();
    } else if (m_openingClick) {
        m_openingClick = false;
        // The edit of a drop-down takes the item its text begins, once the list is down.
        if (m_kind == CBS_DROPDOWN && Items().Selection() >= 0) ShowSelectionInEdit();
    }
    return 0;
}

LRESULT ComboBoxControl::OnDoubleClick(POINT point) {
    if (!ListShown() || !Contains(ListRect(), point)) return OnButtonDown(point);
    if (AcceptsMouse(m_hwnd)) NotifyParent(m_hwnd, CBN_DBLCLK);
    return 0;
}

LRESULT ComboBoxControl::OnKeyDown(UINT key) {
    // A drop-down list has the focus itself; the edit of the other kinds hands it the keys of
    // the list.
    if (m_kind != CBS_SIMPLE && key == VK_F4) {
        if (m_dropped) {
            RollUp(false);
        } else {
            DropDown();
        }
        return 0;
    }
    if ((key == VK_RETURN || key == VK_ESCAPE) && m_dropped) {
        RollUp(key == VK_RETURN);
        return 0;
    }
    const int count = Items().Count();
    const int current = Items().Selection();
    const int page = PageRows();
    switch (key) {
        case VK_UP: PickByKeyboard(std::max(current - 1, 0)); break;
        case VK_DOWN: PickByKeyboard(current < 0 ? 0 : std::min(current + 1, count - 1)); break;
        case VK_PRIOR: PickByKeyboard(std::max(current - page + 1, 0)); break;
        case VK_NEXT: PickByKeyboard(std::min(std::max(current, 0) + page - 1, count - 1)); break;
        case VK_HOME: PickByKeyboard(0); break;
        case VK_END: PickByKeyboard(count - 1); break;
        default: break;
    }
    return 0;
}

LRESULT ComboBoxControl::OnChar(char32_t c) {
    // Typing a letter in a drop-down list picks the next item that begins with it.
    if (m_kind != CBS_DROPDOWNLIST || c < U' ' || !m_content.Kind().hasStrings) return 0;
    PickByKeyboard(Items().FindPrefix(Items().Selection(), EncodeUtf8(c)));
    return 0;
}

LRESULT ComboBoxControl::OnSetFocus() {
    if (!m_edit) {
        GainFocus();
        return 0;
    }
    // The edit takes the focus, all its text selected; its EN_SETFOCUS reports CBN_SETFOCUS.
    SendMessage(m_edit, EM_SETSEL, 0, -1);
    SetFocus(m_edit);
    return 0;
}

LRESULT ComboBoxControl::OnKillFocus(HWND gaining) {
    if (!m_edit || gaining != m_edit) LoseFocus();
    return 0;
}

LRESULT ComboBoxControl::OnGetDlgCode(const MSG* msg) const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // While the list is down, Enter and Escape end the pick instead of the dialog.
    if (msg && msg->message == WM_KEYDOWN && m_dropped &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

bool ComboBoxControl::DropDown() {
    // The parent hears of it first, so that it can fill the list.
    if (!NotifyParent(m_hwnd, CBN_DROPDOWN)) return false;
    m_dropped = true;
    if (m_kind == CBS_DROPDOWN) {
        const std::string text = EditText();
        Items().Select(text.empty() ? -1 : Items().FindPrefix(-1, text));
        if (!m_openingClick && Items().Selection() >= 0) ShowSelectionInEdit();
    }
    m_droppedSelection = Items().Selection();
    Items().SetTop(std::max(m_droppedSelection, 0), PageRows());
    return true;
}

bool ComboBoxControl::RollUp(bool accepted) {
    if (!NotifyParent(m_hwnd, accepted ? CBN_SELENDOK : CBN_SELENDCANCEL)) return false;
    if (!m_dropped) return true;
    m_dropped = false;
    m_openingClick = m_pressedRow = false;
    return NotifyParent(m_hwnd, CBN_CLOSEUP);
}

void ComboBoxControl::PickFromList() {
    // A click on an item: CBN_SELENDOK and CBN_CLOSEUP, then CBN_SELCHANGE, as Wine's
    // comctl32 combo.c (COMBO_Command, LBN_SELCHANGE) orders them; the edit follows last.
    if (!RollUp(true) || !NotifyParent(m_hwnd, CBN_SELCHANGE)) return;
    ShowSelectionInEdit();
}

void ComboBoxControl::PickByKeyboard(int index) {
    if (!Items().IsIndex(index) || index == Items().Selection()) return;
    Items().Select(index);
    Items().ScrollIntoView(index, PageRows());
    // In the open list the keys only move the selection; on a closed list each step is a pick.
    if (!m_dropped && !RollUp(true)) return;
    if (NotifyParent(m_hwnd, CBN_SELCHANGE)) ShowSelectionInEdit();
}

void ComboBoxControl::GainFocus() {
    if (m_focused) return;
    m_focused = true;
    NotifyParent(m_hwnd, CBN_SETFOCUS);
}

void ComboBoxControl::LoseFocus() {
    if (!m_focused) return;
    // Losing the focus ends any pick as cancelled.
    if (!RollUp(false)) return;
    m_focused = false;
    NotifyParent(m_hwnd, CBN_KILLFOCUS);
}

}  // namespace winport
