#include "platform/controls/listbox/ListBoxControl.h"

#include <algorithm>
#include <memory>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/core/LastError.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

constexpr int kMaxItemHeight = 255;

ListKind KindOf(DWORD style) {
    const bool ownerDrawn = (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
    return ListKind{(style & LBS_SORT) != 0, ownerDrawn,
                    !ownerDrawn || (style & LBS_HASSTRINGS) != 0};
}

struct Registrar {
    Registrar() {
        RegisterSystemClass(kListBoxClassName, [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<ListBoxControl>(hwnd);
        });
    }
} const kRegistrar;

}  // namespace

ListBoxControl::ListBoxControl(HWND hwnd)
    : m_hwnd(hwnd), m_content(hwnd, ODT_LISTBOX, KindOf(WindowStyle(hwnd))) {}

LRESULT ListBoxControl::HandleMessage(const Message& m) {
    const auto index = static_cast<int>(m.wParam);
    switch (m.id) {
        case WM_CREATE: return OnCreate();
        case WM_DESTROY: return OnDestroy();
        case LB_ADDSTRING: return m_content.Add(m.lParam, "LB_ADDSTRING");
        case LB_INSERTSTRING: return m_content.Insert(index, m.lParam, "LB_INSERTSTRING");
        case LB_DELETESTRING: return OnDeleteString(index);
        case LB_RESETCONTENT: return OnResetContent();
        case LB_GETCOUNT: return m_content.Items().Count();
        case LB_GETTEXT:
            return m_content.GetText(index, reinterpret_cast<char*>(m.lParam), "LB_GETTEXT");
        case LB_GETTEXTLEN: return m_content.GetTextLength(index, "LB_GETTEXTLEN");
        case LB_GETITEMDATA: return m_content.GetData(index, "LB_GETITEMDATA");
        case LB_SETITEMDATA:
            return m_content.SetData(index, static_cast<ULONG_PTR>(m.lParam), "LB_SETITEMDATA");
        case LB_SETCURSEL: return OnSetCurSel(index);
        case LB_GETCURSEL: return m_content.Items().Selection();
        case LB_FINDSTRING:
            return m_content.Find(index, m.lParam, ListMatch::Prefix, "LB_FINDSTRING");
        case LB_FINDSTRINGEXACT:
            return m_content.Find(index, m.lParam, ListMatch::Exact, "LB_FINDSTRINGEXACT");
        case LB_SELECTSTRING: return OnSelectString(index, m.lParam);
        case LB_SETITEMHEIGHT: return OnSetItemHeight(static_cast<int>(LOWORD(m.lParam)));
        case LB_GETITEMHEIGHT: return m_itemHeight;
        case LB_GETTOPINDEX: return m_content.Items().Top();
        case LB_SETTOPINDEX: return OnSetTopIndex(index);
        case LB_GETITEMRECT: return OnGetItemRect(index, reinterpret_cast<RECT*>(m.lParam));
        case WM_SETFONT: return OnSetFont(m);
        case WM_SIZE: return OnSize();
        case WM_PAINT: return OnPaint(reinterpret_cast<HDC>(m.wParam));
        case WM_LBUTTONDOWN: return OnButtonDown(PointFromLParam(m.lParam));
        case WM_LBUTTONUP: return OnButtonUp();
        case WM_LBUTTONDBLCLK: return OnDoubleClick();
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam));
        case WM_CHAR: return OnChar(static_cast<char32_t>(m.wParam));
        case WM_SETFOCUS: return OnSetFocus();
        case WM_KILLFOCUS: return OnKillFocus();
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

ListBoxState ListBoxControl::State() const {
    const ListBoxItems& items = m_content.Items();
    ListBoxState state;
    for (int index = 0; index < items.Count(); ++index) {
        state.items.push_back(items.At(index).text);
        state.itemData.push_back(items.At(index).data);
    }
    state.selection = items.Selection();
    state.topIndex = items.Top();
    state.itemHeight = m_itemHeight;
    state.visibleRows = PageRows();
    state.ownerDrawn = m_content.Kind().ownerDrawn;
    state.hasStrings = m_content.Kind().hasStrings;
    state.focused = m_focused;
    return state;
}

LRESULT ListBoxControl::OnCreate() {
    m_itemHeight = FontHeight();
    if (m_content.Kind().ownerDrawn) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        m_itemHeight = m_content.Parent().MeasureItem(0, client.right, m_itemHeight);
        if (!IsWindow(m_hwnd)) return 0;
    }
    FitToRows();
    return 0;
}

LRESULT ListBoxControl::OnDestroy() {
    m_content.Reset();
    return 0;
}

LRESULT ListBoxControl::OnDeleteString(int index) {
    const LRESULT left = m_content.Delete(index, "LB_DELETESTRING");
    if (left != LB_ERR && IsWindow(m_hwnd)) {
        m_caret = std::clamp(m_caret, 0, std::max(static_cast<int>(left) - 1, 0));
        m_content.Items().SetTop(m_content.Items().Top(), PageRows());
    }
    return left;
}

LRESULT ListBoxControl::OnResetContent() {
    m_caret = 0;
    m_content.Reset();
    return LB_OKAY;
}

LRESULT ListBoxControl::OnSetCurSel(int index) {  // Never notifies.
    if (index != -1 && !m_content.CheckIndex(index, "LB_SETCURSEL")) return LB_ERR;
    if (!Select(index, Notify::No)) return LB_ERR;
    // Removing the selection answers LB_ERR although nothing went wrong, as in Windows.
    return index == -1 ? LB_ERR : index;
}

LRESULT ListBoxControl::OnSelectString(int start, LPARAM value) {
    const LRESULT found = m_content.Find(start, value, ListMatch::Prefix, "LB_SELECTSTRING");
    if (found == LB_ERR || !Select(static_cast<int>(found), Notify::No)) return LB_ERR;
    return found;
}

LRESULT ListBoxControl::OnSetTopIndex(int index) {
    ListBoxItems& items = m_content.Items();
    if (index < 0 || index >= std::max(items.Count(), 1)) {
        SetLastErrorText(ERROR_INVALID_INDEX, "LB_SETTOPINDEX: index " + std::to_string(index) +
                                                  " is not one of the " +
                                                  std::to_string(items.Count()) + " items");
        return LB_ERR;
    }
    items.SetTop(index, PageRows());
    return LB_OKAY;
}

LRESULT ListBoxControl::OnGetItemRect(int index, RECT* rect) const {
    if (!m_content.CheckIndex(index, "LB_GETITEMRECT")) return LB_ERR;
    if (!rect) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "LB_GETITEMRECT: the rectangle is null");
        return LB_ERR;
    }
    *rect = RowRect(index);
    const int row = index - m_content.Items().Top();
    return row >= 0 && row < PageRows() ? 1 : 0;
}

LRESULT ListBoxControl::OnSetItemHeight(int height) {
    if (height > kMaxItemHeight) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "LB_SETITEMHEIGHT: " + std::to_string(height) +
                                                      " is taller than 255 pixels");
        return LB_ERR;
    }
    m_itemHeight = std::max(height, 1);
    m_content.Items().SetTop(m_content.Items().Top(), PageRows());
    return LB_OKAY;
}

LRESULT ListBoxControl::OnSetFont(const Message& m) {
    DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    // Owner-drawn rows keep the height their parent gave them.
    if (!m_content.Kind().ownerDrawn) {
        m_itemHeight = FontHeight();
        FitToRows();
    }
    return 0;
}

LRESULT ListBoxControl::OnSize() {
    FitToRows();
    m_content.Items().SetTop(m_content.Items().Top(), PageRows());
    return 0;
}

LRESULT ListBoxControl::OnPaint(HDC dc) {
    if (!m_content.Kind().ownerDrawn) return 0;
    const ListBoxItems& items = m_content.Items();
    const HDC own = dc ? nullptr : GetDC(m_hwnd);
    const int end = std::min(items.Count(), items.Top() + PageRows());
    for (int index = items.Top(); index < end && IsWindow(m_hwnd); ++index) {
        DrawRow(dc ? dc : own, index, ODA_DRAWENTIRE, false);
    }
    // The focus rectangle goes over the rows, as a second pass.
    if (m_focused && m_caret >= items.Top() && m_caret < end && IsWindow(m_hwnd)) {
        DrawRow(dc ? dc : own, m_caret, ODA_FOCUS, true);
    }
    if (own) ReleaseDC(m_hwnd, own);
    return 0;
}

bool ListBoxControl::Select(int index, Notify notify) {
    ListBoxItems& items = m_content.Items();
    const int previous = items.Selection();
    // Rows redraw as Windows repaints them: the old focus, the old and the new selection, then
    // the new focus. The parent may destroy the list while drawing.
    const bool caretMoves = m_focused && index >= 0 && index != m_caret;
    if (caretMoves) RedrawRow(m_caret, ODA_FOCUS, false);
    if (!IsWindow(m_hwnd)) return false;
    if (index >= 0) {
        m_caret = index;
        items.ScrollIntoView(index, PageRows());
    }
    items.Select(index);
    if (previous != index) {
        if (previous >= 0) RedrawRow(previous, ODA_SELECT, false);
        if (index >= 0 && IsWindow(m_hwnd)) RedrawRow(index, ODA_SELECT, false);
    }
    if (caretMoves && IsWindow(m_hwnd)) RedrawRow(m_caret, ODA_FOCUS, true);
    if (!IsWindow(m_hwnd)) return false;
    if (previous == index || notify == Notify::No || !NotifiesSelection()) return true;
    return NotifyParent(m_hwnd, LBN_SELCHANGE);
}

void ListBoxControl::FitToRows() {
    if (WindowStyle(m_hwnd) & LBS_NOINTEGRALHEIGHT) return;
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int extra = client.bottom % m_itemHeight;
    if (client.bottom <= m_itemHeight || extra == 0) return;
    RECT window;
    GetWindowRect(m_hwnd, &window);
    SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top - extra, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ListBoxControl::DrawRow(HDC dc, int index, UINT action, bool withFocus) const {
    UINT state = 0;
    if (index == m_content.Items().Selection()) state |= ODS_SELECTED;
    if (withFocus) state |= ODS_FOCUS;
    if (!IsWindowEnabled(m_hwnd)) state |= ODS_DISABLED;
    m_content.Parent().DrawItem(dc, static_cast<UINT>(index), action, state, RowRect(index),
                                m_content.Items().At(index).data);
}

void ListBoxControl::RedrawRow(int index, UINT action, bool withFocus) const {
    const int row = index - m_content.Items().Top();
    if (!m_content.Kind().ownerDrawn || !m_content.Items().IsIndex(index) ||
        !IsWindowVisible(m_hwnd) || row < 0 || row >= PageRows()) {
        return;
    }
    DrawRow(nullptr, index, action, withFocus);
}

RECT ListBoxControl::RowRect(int index) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int top = (index - m_content.Items().Top()) * m_itemHeight;
    return RECT{0, top, client.right, top + m_itemHeight};
}

int ListBoxControl::RowAt(POINT point) const {
    if (!ClientContains(m_hwnd, point)) return -1;
    const int index = m_content.Items().Top() + point.y / m_itemHeight;
    return m_content.Items().IsIndex(index) ? index : -1;
}

int ListBoxControl::PageRows() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    return std::max(static_cast<int>(client.bottom) / m_itemHeight, 1);
}

int ListBoxControl::FontHeight() const {
    const auto font = reinterpret_cast<HFONT>(DefWindowProc(m_hwnd, WM_GETFONT, 0, 0));
    const std::optional<FontMetrics> metrics = GetFontMetrics(font);
    return metrics ? std::max(static_cast<int>(metrics->height), 1) : 16;
}

bool ListBoxControl::NotifiesSelection() const {
    return (WindowStyle(m_hwnd) & LBS_NOTIFY) != 0;
}

std::optional<std::vector<DrawnShape>> ListBoxControl::DrawnRow(int index) const {
    if (!m_content.Kind().ownerDrawn || !m_content.Items().IsIndex(index)) return std::nullopt;
    const HDC dc = GetDC(m_hwnd);
    if (const auto font = reinterpret_cast<HFONT>(SendMessage(m_hwnd, WM_GETFONT, 0, 0)))
        SelectObject(dc, font);
    RecordDrawing(dc);
    DrawRow(dc, index, ODA_DRAWENTIRE, false);
    std::vector<DrawnShape> drawn = TakeDrawing(dc);
    ReleaseDC(m_hwnd, dc);
    return drawn;
}

std::string ListBoxControl::RowText(int index) const {
    if (!m_content.Items().IsIndex(index)) return {};
    if (m_content.Kind().hasStrings) return m_content.Items().At(index).text;
    std::string text;
    for (const DrawnShape& shape : DrawnRow(index).value_or(std::vector<DrawnShape>{})) {
        if (const auto* drawn = std::get_if<DrawnText>(&shape)) text += drawn->text;
    }
    return text;
}

std::vector<std::string> ListBoxControl::DescribeState(HWND) const {
    std::vector<std::string> state;
    if (m_content.Kind().ownerDrawn) state.emplace_back("ownerdraw");
    if (m_content.Kind().ownerDrawn && !m_content.Kind().hasStrings) {
        // The rows as they are drawn.
        std::string described = "items=[";
        for (int index = 0; index < m_content.Items().Count(); ++index)
            described += (index ? ", " : "") + QuoteText(RowText(index));
        state.push_back(described + "]");
    } else {
        state.push_back(m_content.DescribeItems());
    }
    const int selection = m_content.Items().Selection();
    if (selection >= 0) state.push_back("sel=" + std::to_string(selection));
    return state;
}

std::optional<std::vector<DrawnShape>> DrawListBoxRow(HWND listBox, int index) {
    const auto* control = ControlBehind<ListBoxControl>(listBox, "DrawListBoxRow", "a list box");
    if (!control) return std::nullopt;
    return control->DrawnRow(index);
}

std::string ListBoxRowText(HWND listBox, int index) {
    const auto* control = ControlBehind<ListBoxControl>(listBox, "ListBoxRowText", "a list box");
    return control ? control->RowText(index) : std::string();
}

std::optional<ListBoxState> GetListBoxState(HWND listBox) {
    const auto* control = ControlBehind<ListBoxControl>(listBox, "GetListBoxState", "a list box");
    if (!control) return std::nullopt;
    return control->State();
}

}  // namespace winport
