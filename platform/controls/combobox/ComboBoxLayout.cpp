// The combo box's geometry: the field's and the rows' heights, where the edit, the button and the
// list lie, and painting an owner-drawn combo.
#include <algorithm>
#include <optional>

#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ControlSupport.h"
#include "platform/controls/combobox/ComboBoxControl.h"
#include "platform/core/LastError.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

constexpr int kBorder = 2;        // The field's frame, each side.
constexpr int kFieldPadding = 6;  // Frame and padding around the field's text height.
constexpr int kMaxItemHeight = 255;
constexpr int kMaxFieldHeight = 32767;

}  // namespace

LRESULT ComboBoxControl::OnGetDroppedControlRect(RECT* rect) const {
    if (!rect) {
        SetLastErrorText(ERROR_INVALID_PARAMETER,
                         "CB_GETDROPPEDCONTROLRECT: the rectangle is null");
        return CB_ERR;
    }
    // In screen coordinates: the combo's top left and the list's bottom right.
    GetWindowRect(m_hwnd, rect);
    if (m_kind != CBS_SIMPLE) rect->bottom = rect->top + FieldHeight() + m_listHeight;
    return TRUE;
}

LRESULT ComboBoxControl::OnSetItemHeight(int index, int height) {
    if (index == -1 && height >= 0 && height <= kMaxFieldHeight) {
        m_selectionHeight = height;
        m_selectionHeightSet = true;
        Layout();
        return CB_OKAY;
    }
    if (index >= 0 && height >= 0 && height <= kMaxItemHeight) {
        m_itemHeight = std::max(height, 1);
        Items().SetTop(Items().Top(), PageRows());
        return CB_OKAY;
    }
    SetLastErrorText(ERROR_INVALID_PARAMETER, "CB_SETITEMHEIGHT: height " + std::to_string(height) +
                                                  " for item " + std::to_string(index));
    return CB_ERR;
}

LRESULT ComboBoxControl::OnGetItemHeight(int index) const {
    if (index < -1) {
        SetLastErrorText(ERROR_INVALID_INDEX,
                         "CB_GETITEMHEIGHT: index " + std::to_string(index) + " is no item");
        return CB_ERR;
    }
    return index == -1 ? m_selectionHeight : m_itemHeight;
}

LRESULT ComboBoxControl::OnSetFont(const Message& m) {
    DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    if (m_edit) SendMessage(m_edit, WM_SETFONT, m.wParam, m.lParam);
    // Owner-drawn heights are the parent's answers and stay.
    if (!m_content.Kind().ownerDrawn) m_itemHeight = FontHeight();
    if (!m_selectionHeightSet) m_selectionHeight = FontHeight() + kSelectionMargin;
    Layout();
    return 0;
}

LRESULT ComboBoxControl::OnSize() {
    RECT client;
    GetClientRect(m_hwnd, &client);
    // Sizing a drop-down sizes the room of its list; the field keeps its own height.
    const int below = static_cast<int>(client.bottom) - FieldHeight();
    if (m_kind == CBS_SIMPLE || below > 0) m_listHeight = std::max(below, 0);
    Layout();
    return 0;
}

LRESULT ComboBoxControl::OnPaint(HDC dc) {
    if (!m_content.Kind().ownerDrawn) return 0;
    const OwnerDrawParent& parent = m_content.Parent();
    const HDC own = dc ? nullptr : GetDC(m_hwnd);
    const HDC target = dc ? dc : own;
    const UINT disabled = IsWindowEnabled(m_hwnd) ? 0 : ODS_DISABLED;
    if (m_kind == CBS_DROPDOWNLIST) {
        // The field shows the selection, highlighted while the combo has the focus.
        const int selection = Items().Selection();
        RECT client;
        GetClientRect(m_hwnd, &client);
        const RECT field{kBorder + 1, kBorder + 1, ButtonRect().left - 1,
                         kBorder + 1 + m_selectionHeight};
        UINT state = ODS_COMBOBOXEDIT | disabled;
        if (m_focused && !m_dropped) state |= ODS_SELECTED | ODS_FOCUS;
        parent.DrawItem(target, static_cast<UINT>(selection), ODA_DRAWENTIRE, state, field,
                        selection >= 0 ? Items().At(selection).data : 0);
    }
    const RECT list = ListRect();
    const int end = std::min(Items().Count(), Items().Top() + ShownRows());
    for (int index = Items().Top(); ListShown() && index < end && IsWindow(m_hwnd); ++index) {
        const int top = static_cast<int>(list.top) + (index - Items().Top()) * m_itemHeight;
        const UINT state = (index == Items().Selection() ? ODS_SELECTED : 0) | disabled;
        parent.DrawItem(target, static_cast<UINT>(index), ODA_DRAWENTIRE, state,
                        RECT{list.left, top, list.right, top + m_itemHeight},
                        Items().At(index).data);
    }
    if (own) ReleaseDC(m_hwnd, own);
    return 0;
}

void ComboBoxControl::Layout() {
    RECT client;
    GetClientRect(m_hwnd, &client);
    if (m_kind != CBS_SIMPLE && client.bottom != FieldHeight()) {
        RECT window;
        GetWindowRect(m_hwnd, &window);
        // The WM_SIZE this sends lays the combo out again.
        SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left, FieldHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (!m_edit) return;
    const int right = m_kind == CBS_SIMPLE ? static_cast<int>(client.right) - kBorder
                                           : static_cast<int>(ButtonRect().left);
    MoveWindow(m_edit, kBorder + 1, kBorder + 1, std::max(right - kBorder - 2, 0),
               m_selectionHeight, FALSE);
}

int ComboBoxControl::FieldHeight() const {
    return m_selectionHeight + kFieldPadding;
}

int ComboBoxControl::PageRows() const {
    return std::max(m_listHeight / m_itemHeight, 1);
}

int ComboBoxControl::ShownRows() const {
    // A drop-down list shrinks to its items; a simple combo's list keeps its room.
    if (m_kind == CBS_SIMPLE) return PageRows();
    return std::clamp(Items().Count(), 1, PageRows());
}

RECT ComboBoxControl::ListRect() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int top = FieldHeight();
    return RECT{0, top, client.right, top + ShownRows() * m_itemHeight};
}

RECT ComboBoxControl::ButtonRect() const {
    if (m_kind == CBS_SIMPLE) return RECT{};
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int right = static_cast<int>(client.right) - kBorder;
    return RECT{right - GetSystemMetrics(SM_CXVSCROLL), kBorder, right, FieldHeight() - kBorder};
}

bool ComboBoxControl::ListShown() const {
    return m_kind == CBS_SIMPLE || m_dropped;
}

int ComboBoxControl::FontHeight() const {
    const auto font = reinterpret_cast<HFONT>(DefWindowProc(m_hwnd, WM_GETFONT, 0, 0));
    const std::optional<FontMetrics> metrics = GetFontMetrics(font);
    return metrics ? std::max(static_cast<int>(metrics->height), 1) : 16;
}

}  // namespace winport
