// The item messages: inserting, changing, reading, deleting, finding and sorting rows.
#include <algorithm>
#include <numeric>
#include <string>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/EditText.h"
#include "platform/controls/listview/ListViewControl.h"
#include "platform/core/LastError.h"
#include "platform/text/TextCopy.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

constexpr UINT kSubItemFields = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;

std::string Folded(std::string_view text) {
    return ConvertCase(text, LetterCase::Lower);
}

// Text order for LVS_SORTASCENDING: letters compare without case first.
int CompareTexts(const std::string& a, const std::string& b) {
    const int folded = Folded(a).compare(Folded(b));
    return folded != 0 ? folded : b.compare(a);
}

// A stable merge sort, as Windows sorts list views. Unlike the standard library's sorts it stays
// within bounds whatever a program's comparison answers.
template <typename Less>
void MergeSort(std::vector<int>& order, Less less) {
    std::vector<int> merged(order.size());
    for (size_t width = 1; width < order.size(); width *= 2) {
        for (size_t start = 0; start < order.size(); start += 2 * width) {
            const size_t middle = std::min(start + width, order.size());
            const size_t end = std::min(start + 2 * width, order.size());
            size_t left = start;
            size_t right = middle;
            size_t out = start;
            while (left < middle && right < end) {
                merged[out++] = less(order[right], order[left]) ? order[right++] : order[left++];
            }
            while (left < middle) merged[out++] = order[left++];
            while (right < end) merged[out++] = order[right++];
        }
        order.swap(merged);
    }
}

// Where a shifted index lands when |row| is removed, as Windows moves the focus and the mark.
int AfterRemoval(int index, int row, int count) {
    if (index < row) return index;
    if (index > row) return index - 1;
    return std::min(index, count - 1);
}

}  // namespace

LRESULT ListViewControl::Refuse(LRESULT answer, const std::string& text) {
    SetLastErrorText(ERROR_INVALID_PARAMETER, text);
    return answer;
}

LRESULT ListViewControl::OnInsertItem(const LVITEMA* item) {
    if (!item) return Refuse(-1, "LVM_INSERTITEM: no item");
    if (item->iSubItem != 0) {
        return Refuse(-1, "LVM_INSERTITEM: a sub-item cannot be inserted");
    }
    if ((item->mask & LVIF_TEXT) && !IsText(item->pszText)) {
        return Refuse(-1, "LVM_INSERTITEM: the text pointer is null or a callback marker");
    }
    // An owner-drawn list is never sorted by text.
    const DWORD style = WindowStyle(m_hwnd);
    const bool sorted =
        (style & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) && !(style & LVS_OWNERDRAWFIXED);
    if (item->iItem < 0 && !sorted) {
        return Refuse(-1, "LVM_INSERTITEM: negative index " + std::to_string(item->iItem));
    }
    ItemChange change;
    change.mask = item->mask;
    if (item->mask & LVIF_TEXT) change.text = item->pszText;
    change.image = item->iImage;
    change.param = item->lParam;
    change.state = item->state;
    change.indent = item->iIndent;
    const int row = sorted ? SortedPosition(change.text) : std::min(item->iItem, m_items.Count());

    m_items.Insert(row, ListViewRow{});
    if (m_focusedRow >= row) ++m_focusedRow;
    if (m_selectionMark >= row) ++m_selectionMark;
    if (!ApplyChange(row, change, Kind::Insertion)) {
        // Refused by the parent: the row goes again.
        if (!IsWindow(m_hwnd) || !m_items.Contains(row)) return -1;
        m_items.Erase(row);
        if (m_focusedRow > row) --m_focusedRow;
        if (m_selectionMark > row) --m_selectionMark;
        return -1;
    }
    NMLISTVIEW inserted;
    inserted.iItem = row;
    inserted.lParam = m_items.Row(row).param;
    NotifyListView(LVN_INSERTITEM, inserted);
    return IsWindow(m_hwnd) ? row : -1;
}

int ListViewControl::SortedPosition(const std::string& text) const {
    const bool descending = (WindowStyle(m_hwnd) & LVS_SORTDESCENDING) != 0;
    int row = 0;
    while (row < m_items.Count()) {
        const int order = CompareTexts(m_items.Row(row).text, text);
        if ((descending ? -order : order) >= 0) break;
        ++row;
    }
    return row;
}

LRESULT ListViewControl::OnSetItem(const LVITEMA* item) {
    if (!item || !m_items.Contains(item->iItem)) {
        return Refuse(FALSE, "LVM_SETITEM: no such item");
    }
    if ((item->mask & LVIF_TEXT) && !IsText(item->pszText)) {
        return Refuse(FALSE, "LVM_SETITEM: the text pointer is null or a callback marker");
    }
    if (item->iSubItem != 0) {
        // Sub-items hold text only and change without notifications.
        if (!m_items.ContainsColumn(item->iSubItem) || (item->mask & ~kSubItemFields)) {
            return Refuse(FALSE, "LVM_SETITEM: no column " + std::to_string(item->iSubItem));
        }
        if (item->mask & LVIF_TEXT) m_items.SetCellText(item->iItem, item->iSubItem, item->pszText);
        return TRUE;
    }
    ItemChange change;
    change.mask = item->mask;
    if (item->mask & LVIF_TEXT) change.text = item->pszText;
    change.image = item->iImage;
    change.param = item->lParam;
    change.state = item->state;
    change.stateMask = item->stateMask;
    change.indent = item->iIndent;
    return ApplyChange(item->iItem, change, Kind::Existing) ? TRUE : FALSE;
}

LRESULT ListViewControl::OnGetItem(LVITEMA* item) const {
    if (!item || !m_items.Contains(item->iItem)) {
        return Refuse(FALSE, "LVM_GETITEM: no such item");
    }
    if ((item->mask & LVIF_TEXT) && !IsText(item->pszText)) {
        return Refuse(FALSE, "LVM_GETITEM: the text buffer is null or a callback marker");
    }
    const ListViewRow& row = m_items.Row(item->iItem);
    const bool subItem = item->iSubItem != 0;
    // A cell keeps its text past the last column, as after deleting the first column.
    if ((item->mask & LVIF_TEXT) && item->cchTextMax > 0) {
        CopyTextToBuffer(m_items.CellText(item->iItem, item->iSubItem), item->pszText,
                         item->cchTextMax);
    }
    // A sub-item reports no image or state, and the data of its row.
    if (item->mask & LVIF_IMAGE) item->iImage = subItem ? 0 : row.image;
    if (item->mask & LVIF_PARAM) item->lParam = row.param;
    if (item->mask & LVIF_STATE) item->state = subItem ? 0 : StateOf(item->iItem) & item->stateMask;
    if ((item->mask & LVIF_INDENT) && !subItem) item->iIndent = row.indent;
    return TRUE;
}

LRESULT ListViewControl::OnSetItemText(int row, const LVITEMA* item) {
    if (!item) return Refuse(FALSE, "LVM_SETITEMTEXT: no item");
    LVITEMA text = *item;
    text.mask = LVIF_TEXT;
    text.iItem = row;
    return OnSetItem(&text);
}

LRESULT ListViewControl::OnGetItemText(int row, LVITEMA* item) const {
    if (!item || !m_items.Contains(row) || !IsText(item->pszText) || item->cchTextMax <= 0) {
        return Refuse(0, "LVM_GETITEMTEXT: no such item or no buffer");
    }
    item->mask = LVIF_TEXT;
    item->iItem = row;
    OnGetItem(item);
    return static_cast<LRESULT>(std::char_traits<char>::length(item->pszText));
}

LRESULT ListViewControl::OnSetItemState(int row, const LVITEMA* item) {
    if (!item) return Refuse(FALSE, "LVM_SETITEMSTATE: no item");
    // Row -1 applies the state to every row.
    if (row == -1) return SetStateOfAll(item->state, item->stateMask) ? TRUE : FALSE;
    if (!m_items.Contains(row)) {
        return Refuse(FALSE, "LVM_SETITEMSTATE: no item " + std::to_string(row));
    }
    return SetState(row, item->state, item->stateMask) ? TRUE : FALSE;
}

LRESULT ListViewControl::OnDeleteItem(int row) {
    if (!m_items.Contains(row)) return FALSE;
    const int focus = m_focusedRow;
    // The row loses selection and focus first, as a change the parent is told about.
    SetState(row, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (!IsWindow(m_hwnd) || !NotifyDelete(row)) return FALSE;
    if (!m_items.Contains(row)) return FALSE;
    m_items.Erase(row);
    const int count = m_items.Count();
    // The focus moves on to the row that takes the deleted one's place, without notifications.
    m_focusedRow = focus == -1 ? -1 : AfterRemoval(focus, row, count);
    if (m_selectionMark != -1) m_selectionMark = AfterRemoval(m_selectionMark, row, count);
    m_geometry.ClampTopIndex();
    return TRUE;
}

LRESULT ListViewControl::OnGetNextItem(int start, UINT flags) const {
    if (start < -1 || start >= m_items.Count()) return -1;
    UINT mask = 0;
    if (flags & LVNI_CUT) mask |= LVIS_CUT;
    if (flags & LVNI_DROPHILITED) mask |= LVIS_DROPHILITED;
    if (flags & LVNI_FOCUSED) mask |= LVIS_FOCUSED;
    if (flags & LVNI_SELECTED) mask |= LVIS_SELECTED;
    const auto matches = [&](int row) { return (StateOf(row) & mask) == mask; };
    if (flags & LVNI_FOCUSED) {
        if (m_focusedRow == -1 || !matches(m_focusedRow)) return -1;
        return m_focusedRow == start ? -1 : m_focusedRow;
    }
    if (flags & LVNI_ABOVE) {
        for (int row = start - 1; row >= 0; --row) {
            if (matches(row)) return row;
        }
        return -1;
    }
    for (int row = start + 1; row < m_items.Count(); ++row) {
        if (matches(row)) return row;
    }
    return -1;
}

LRESULT ListViewControl::OnFindItem(int start, const LVFINDINFOA* find) const {
    if (!find || start < -1) return -1;
    const bool byParam = (find->flags & LVFI_PARAM) != 0;
    const bool byText = !byParam && (find->flags & (LVFI_STRING | LVFI_PARTIAL | LVFI_SUBSTRING));
    if (byText && !IsText(find->psz)) {
        return Refuse(-1, "LVM_FINDITEM: the text pointer is null or a callback marker");
    }
    const bool partial = (find->flags & (LVFI_PARTIAL | LVFI_SUBSTRING)) != 0;
    const std::string wanted = byText ? Folded(find->psz) : std::string();
    const auto matches = [&](int row) {
        if (byParam) return m_items.Row(row).param == find->lParam;
        if (!byText) return true;
        const std::string text = Folded(m_items.Row(row).text);
        // Texts compare without case; a partial search matches the beginning.
        return partial ? text.compare(0, wanted.size(), wanted) == 0 : text == wanted;
    };
    for (int row = start + 1; row < m_items.Count(); ++row) {
        if (matches(row)) return row;
    }
    if (find->flags & LVFI_WRAP) {
        for (int row = 0; row <= start && row < m_items.Count(); ++row) {
            if (matches(row)) return row;
        }
    }
    return -1;
}

LRESULT ListViewControl::OnSortItems(LPARAM sortParam, PFNLVCOMPARE compare) {
    if (!compare) return Refuse(FALSE, "LVM_SORTITEMS: no comparison function");
    const int count = m_items.Count();
    if (count < 2) return TRUE;
    // The callback sees copies of the item data, so it cannot disturb the rows it sorts.
    std::vector<LPARAM> params;
    params.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) params.push_back(m_items.Row(row).param);
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    const auto dataOf = [&params](int row) { return params[static_cast<size_t>(row)]; };
    MergeSort(order, [&](int a, int b) { return compare(dataOf(a), dataOf(b), sortParam) < 0; });
    if (!IsWindow(m_hwnd) || m_items.Count() != count) return FALSE;
    // The focus and the selection mark stay with their rows.
    const auto newIndexOf = [&order](int row) {
        if (row < 0) return row;
        return static_cast<int>(std::find(order.begin(), order.end(), row) - order.begin());
    };
    m_focusedRow = newIndexOf(m_focusedRow);
    m_selectionMark = newIndexOf(m_selectionMark);
    m_items.Reorder(order);
    return TRUE;
}

LRESULT ListViewControl::OnSetSelectionMark(int row) {
    const int previous = m_selectionMark;
    if (row >= -1 && row < m_items.Count()) m_selectionMark = row;
    return previous;
}

}  // namespace winport
