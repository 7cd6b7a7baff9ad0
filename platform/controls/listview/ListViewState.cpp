// Changing rows: the single path by which text, image, data and state change, with the
// LVN_ITEMCHANGING / LVN_ITEMCHANGED pair Windows sends around it, and the selection and focus
// moves built on it. The parent may change or destroy the list inside any notification, so
// every step after a notification looks the row up again.
#include <algorithm>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/listview/ListViewControl.h"
#include "platform/window/WindowApi.h"

namespace winport {

UINT ListViewControl::StateOf(int row) const {
    if (!m_items.Contains(row)) return 0;
    const UINT state = m_items.Row(row).state;
    return row == m_focusedRow ? state | LVIS_FOCUSED : state;
}

bool ListViewControl::SingleSelection() const {
    return (WindowStyle(m_hwnd) & LVS_SINGLESEL) != 0;
}

bool ListViewControl::ApplyChange(int row, const ItemChange& change, Kind kind) {
    // An inserted row starts empty and takes every state bit it is given.
    const bool inserting = kind == Kind::Insertion;
    const UINT stateMask = inserting ? ~0u : change.stateMask;
    const ListViewRow& current = m_items.Row(row);
    const UINT oldState = inserting ? 0 : StateOf(row);
    UINT changed = 0;
    if ((change.mask & LVIF_STATE) && ((oldState ^ change.state) & stateMask)) {
        changed |= LVIF_STATE;
    }
    if ((change.mask & LVIF_IMAGE) && current.image != change.image) changed |= LVIF_IMAGE;
    if ((change.mask & LVIF_PARAM) && current.param != change.param) changed |= LVIF_PARAM;
    if ((change.mask & LVIF_INDENT) && current.indent != change.indent) changed |= LVIF_INDENT;
    if ((change.mask & LVIF_TEXT) && current.text != change.text) changed |= LVIF_TEXT;

    NMLISTVIEW info;
    info.iItem = row;
    if (change.mask & LVIF_STATE) {
        info.uNewState = (oldState & ~stateMask) | (change.state & stateMask);
        info.uOldState = oldState;
    }
    info.uChanged = inserting ? LVIF_STATE : (changed ? changed : change.mask);
    info.lParam = current.param;
    // A change is announced even when nothing differs; an insertion only when it selects or
    // focuses the new row.
    const bool notify =
        !inserting || ((changed & LVIF_STATE) && (change.state & (LVIS_FOCUSED | LVIS_SELECTED)));
    if (notify) {
        NMLISTVIEW changing = info;
        if (NotifyListView(LVN_ITEMCHANGING, changing) != 0) return false;  // Vetoed.
        if (!IsWindow(m_hwnd) || !m_items.Contains(row)) return false;
    }
    if (!changed) return true;

    ListViewRow& target = m_items.Row(row);
    if (change.mask & LVIF_TEXT) target.text = change.text;
    if (change.mask & LVIF_IMAGE) target.image = change.image;
    if (change.mask & LVIF_PARAM) target.param = change.param;
    if (change.mask & LVIF_INDENT) target.indent = change.indent;
    if (changed & LVIF_STATE) {
        const UINT stored = stateMask & ~LVIS_FOCUSED;
        target.state = (target.state & ~stored) | (change.state & stored);
        if ((change.state & stateMask & LVIS_SELECTED) && SingleSelection()) {
            DeselectAllExcept(row);
            if (!IsWindow(m_hwnd) || !m_items.Contains(row)) return false;
        }
        if (stateMask & LVIS_FOCUSED) {
            if (change.state & LVIS_FOCUSED) {
                if (m_focusedRow == -1 && m_selectionMark == -1) m_selectionMark = row;
                // The row losing the focus gets its own pair of notifications inside ours.
                if (m_focusedRow != -1 && m_focusedRow != row) {
                    SetState(m_focusedRow, 0, LVIS_FOCUSED);
                    if (!IsWindow(m_hwnd) || !m_items.Contains(row)) return false;
                }
                m_focusedRow = row;
                m_geometry.EnsureVisible(row);
            } else if (m_focusedRow == row) {
                m_focusedRow = -1;
            }
        }
    }
    if (notify) {
        if (change.mask & LVIF_PARAM) info.lParam = change.param;
        NotifyListView(LVN_ITEMCHANGED, info);
    }
    return IsWindow(m_hwnd) != FALSE;
}

bool ListViewControl::SetState(int row, UINT state, UINT mask) {
    if (!m_items.Contains(row)) return false;
    ItemChange change;
    change.mask = LVIF_STATE;
    change.state = state;
    change.stateMask = mask;
    return ApplyChange(row, change, Kind::Existing);
}

bool ListViewControl::SetStateOfAll(UINT state, UINT mask) {
    // Deselecting all when nothing is selected does nothing at all.
    if (state == 0 && mask == LVIS_SELECTED && m_items.SelectedCount() == 0) return true;
    // A single-selection list cannot select every row, and no list can focus every row.
    if ((state & mask & LVIS_SELECTED) && SingleSelection()) return false;
    if (state & mask & LVIS_FOCUSED) return false;
    bool all = true;
    for (int row = 0; row < m_items.Count(); ++row) {
        if (!SetState(row, state, mask)) all = false;
        if (!IsWindow(m_hwnd)) return false;
    }
    return all;
}

void ListViewControl::DeselectAllExcept(int keep) {
    // The rows to deselect are taken before the first notification, which may change them.
    std::vector<int> selected;
    for (int row = 0; row < m_items.Count(); ++row) {
        if (row != keep && (m_items.Row(row).state & LVIS_SELECTED)) selected.push_back(row);
    }
    for (const int row : selected) {
        SetState(row, 0, LVIS_SELECTED);
        if (!IsWindow(m_hwnd)) return;
    }
}

void ListViewControl::SelectOnly(int row) {
    DeselectAllExcept(row);
    if (!IsWindow(m_hwnd) || !m_items.Contains(row)) return;
    SetState(row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    if (IsWindow(m_hwnd)) m_selectionMark = row;
}

void ListViewControl::MoveFocusTo(int row) {
    if (row == m_focusedRow) return;
    if (row == -1) {
        SetState(m_focusedRow, 0, LVIS_FOCUSED);
    } else {
        SetState(row, LVIS_FOCUSED, LVIS_FOCUSED);
    }
}

bool ListViewControl::DeleteAllItems() {
    // Selection and focus go without notifications.
    for (int row = 0; row < m_items.Count(); ++row) m_items.Row(row).state &= ~LVIS_SELECTED;
    m_selectionMark = -1;
    m_focusedRow = -1;
    NMLISTVIEW all;
    all.iItem = -1;
    // A nonzero answer tells the list not to send LVN_DELETEITEM for each row.
    const bool eachRow = NotifyListView(LVN_DELETEALLITEMS, all) == 0;
    if (!IsWindow(m_hwnd)) return false;
    // Windows deletes from the last row to the first.
    for (int row = m_items.Count() - 1; row >= 0; --row) {
        if (eachRow && !NotifyDelete(row)) return false;
        if (row < m_items.Count()) m_items.Erase(row);
    }
    m_geometry.ScrollToTop();
    return true;
}

}  // namespace winport
