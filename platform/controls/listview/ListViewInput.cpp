// A person's input: presses select (or deselect) and focus, releases and double clicks tell the
// parent, the right button selects and then reports NM_RCLICK and asks for a context menu, and
// keys report LVN_KEYDOWN before they move the selection.
#include <algorithm>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/listview/ListViewControl.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

bool Held(WPARAM keys, WPARAM key) {
    return (keys & key) != 0;
}

}  // namespace

void ListViewControl::TakeFocus() {
    if (!m_hasFocus) SetFocus(m_hwnd);
}

LRESULT ListViewControl::OnLeftButtonDown(WPARAM keys, POINT point) {
    if (!AcceptsMouse(m_hwnd) || !NotifyCode(NM_RELEASEDCAPTURE)) return 0;
    m_leftDown = true;
    m_leftDownRow = -1;
    const int row = m_geometry.HitTest(point, ListViewGeometry::HitMode::Select, nullptr, nullptr);
    const bool control = Held(keys, MK_CONTROL);
    const bool shift = Held(keys, MK_SHIFT);
    if (row == -1) {
        TakeFocus();
        // A press on empty space deselects everything unless it extends the selection.
        if (IsWindow(m_hwnd) && !control && !shift) DeselectAllExcept(-1);
        return 0;
    }
    const bool selected = (StateOf(row) & LVIS_SELECTED) != 0;
    if (SingleSelection()) {
        if (!selected) SelectOnly(row);
    } else if (control) {
        SetState(row, (selected ? 0 : LVIS_SELECTED) | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_selectionMark = row;
    } else if (shift) {
        SelectWithKeys(row, false);
    } else if (selected) {
        // Pressing a selected row keeps the selection until the release.
        m_leftDownRow = row;
        MoveFocusTo(row);
    } else {
        SelectOnly(row);
    }
    if (IsWindow(m_hwnd)) TakeFocus();
    return 0;
}

LRESULT ListViewControl::OnLeftButtonUp(POINT point) {
    if (!m_leftDown) return 0;
    NotifyClick(NM_CLICK, point);  // Its answer is ignored.
    if (!IsWindow(m_hwnd)) return 0;
    m_leftDown = false;
    const int row = m_geometry.HitTest(point, ListViewGeometry::HitMode::Notify, nullptr, nullptr);
    if (row != -1 && row == m_leftDownRow) SelectOnly(row);
    m_leftDownRow = -1;
    return 0;
}

LRESULT ListViewControl::OnLeftDoubleClick(POINT point) {
    if (!AcceptsMouse(m_hwnd) || !NotifyCode(NM_RELEASEDCAPTURE)) return 0;
    int column = 0;
    const int row = m_geometry.HitTest(point, ListViewGeometry::HitMode::Notify, nullptr, &column);
    NotifyClick(NM_DBLCLK, point);
    // A double click on a row activates it.
    if (IsWindow(m_hwnd) && row != -1) NotifyActivate(row, column, point);
    return 0;
}

LRESULT ListViewControl::OnRightButtonDown(WPARAM keys, POINT point) {
    if (!AcceptsMouse(m_hwnd) || !NotifyCode(NM_RELEASEDCAPTURE)) return 0;
    const int row = m_geometry.HitTest(point, ListViewGeometry::HitMode::Select, nullptr, nullptr);
    TakeFocus();
    if (!IsWindow(m_hwnd)) return 0;
    if (m_items.Contains(row)) {
        MoveFocusTo(row);
        if (IsWindow(m_hwnd) && !Held(keys, MK_SHIFT | MK_CONTROL) &&
            !(StateOf(row) & LVIS_SELECTED)) {
            SelectOnly(row);
        }
    } else {
        DeselectAllExcept(-1);
    }
    if (!IsWindow(m_hwnd)) return 0;
    TakeQueuedRelease();
    // A nonzero answer to NM_RCLICK means the parent has handled the click itself.
    if (NotifyClick(NM_RCLICK, point) != 0 || !IsWindow(m_hwnd)) return 0;
    POINT screen = point;
    ClientToScreen(m_hwnd, &screen);
    SendMessage(m_hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hwnd),
                MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    return 0;
}

void ListViewControl::TakeQueuedRelease() {
    // Windows follows the mouse after a right press until a button message arrives, which it
    // takes from the queue; only then does the click count. Headless, the release is either
    // queued already or never comes.
    MSG msg;
    PeekMessage(&msg, m_hwnd, WM_LBUTTONDOWN, WM_RBUTTONDBLCLK, PM_REMOVE);
}

LRESULT ListViewControl::OnRightDoubleClick(POINT point) {
    if (!AcceptsMouse(m_hwnd) || !NotifyCode(NM_RELEASEDCAPTURE)) return 0;
    NotifyClick(NM_RDBLCLK, point);
    return 0;
}

LRESULT ListViewControl::OnKeyDown(UINT key) {
    NMLVKEYDOWN down;
    down.wVKey = static_cast<WORD>(key);
    SendNotify(m_hwnd, down.hdr, LVN_KEYDOWN);
    if (!IsWindow(m_hwnd)) return 0;
    const int count = m_items.Count();
    int row = -1;
    switch (key) {
        case VK_SPACE: row = m_focusedRow; break;
        case VK_RETURN:
            // Enter activates the focused row.
            if (count > 0 && m_focusedRow != -1 && NotifyCode(NM_RETURN)) {
                NotifyActivate(m_focusedRow, 0, POINT{});
            }
            return 0;
        case VK_HOME: row = count > 0 ? 0 : -1; break;
        case VK_END: row = count - 1; break;
        case VK_UP: row = static_cast<int>(OnGetNextItem(m_focusedRow, LVNI_ABOVE)); break;
        case VK_DOWN: row = static_cast<int>(OnGetNextItem(m_focusedRow, LVNI_BELOW)); break;
        case VK_PRIOR: {
            const int top = m_geometry.TopIndex();
            row = m_focusedRow == top ? top - m_geometry.CountPerPage() + 1 : top;
            row = std::max(row, 0);
            break;
        }
        case VK_NEXT: {
            const int page = m_geometry.CountPerPage();
            const int bottom = m_geometry.TopIndex() + page - 1;
            row = m_focusedRow == bottom ? m_focusedRow + page - 1 : bottom;
            row = std::min(row, count - 1);
            break;
        }
        default: return 0;
    }
    if (row != -1 && (row != m_focusedRow || key == VK_SPACE)) SelectWithKeys(row, key == VK_SPACE);
    return 0;
}

void ListViewControl::SelectWithKeys(int row, bool space) {
    if (!m_items.Contains(row)) return;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (SingleSelection() || (!shift && !control)) {
        SelectOnly(row);
    } else if (shift) {
        // From the selection mark to |row|, and nothing else.
        const int mark = m_selectionMark == -1 ? row : m_selectionMark;
        const int first = std::min(mark, row);
        const int last = std::max(mark, row);
        for (int other = 0; other < m_items.Count() && IsWindow(m_hwnd); ++other) {
            if (other < first || other > last) SetState(other, 0, LVIS_SELECTED);
        }
        for (int inside = first; inside <= last && IsWindow(m_hwnd); ++inside) {
            SetState(inside, LVIS_SELECTED, LVIS_SELECTED);
        }
        if (IsWindow(m_hwnd)) MoveFocusTo(row);
        if (IsWindow(m_hwnd)) m_selectionMark = mark;
    } else {
        // Control moves the focus alone; with Space it toggles the row.
        if (space) {
            const bool selected = (StateOf(row) & LVIS_SELECTED) != 0;
            SetState(row, selected ? 0 : LVIS_SELECTED, LVIS_SELECTED);
            if (IsWindow(m_hwnd) && !selected) m_selectionMark = row;
        }
        if (IsWindow(m_hwnd)) MoveFocusTo(row);
    }
    if (IsWindow(m_hwnd)) m_geometry.EnsureVisible(row);
}

LRESULT ListViewControl::OnSetFocus() {
    if (m_hasFocus) return 0;
    if (NotifyCode(NM_SETFOCUS)) m_hasFocus = true;
    return 0;
}

LRESULT ListViewControl::OnKillFocus() {
    if (!m_hasFocus) return 0;
    if (NotifyCode(NM_KILLFOCUS)) m_hasFocus = false;
    return 0;
}

}  // namespace winport
