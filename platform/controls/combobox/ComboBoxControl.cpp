#include "platform/controls/combobox/ComboBoxControl.h"

#include <algorithm>
#include <memory>

#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ControlSupport.h"
#include "platform/core/LastError.h"
#include "platform/core/WinStyles.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

DWORD KindOf(DWORD style) {
    const DWORD kind = style & CBS_DROPDOWNLIST;
    return kind ? kind : CBS_SIMPLE;
}

ListKind ListKindOf(DWORD style) {
    const bool ownerDrawn = (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
    return ListKind{(style & CBS_SORT) != 0, ownerDrawn,
                    !ownerDrawn || (style & CBS_HASSTRINGS) != 0};
}

DWORD EditStyleOf(DWORD comboStyle) {
    DWORD style = WS_CHILD | WS_VISIBLE | ES_LEFT | ES_NOHIDESEL;
    if (comboStyle & CBS_AUTOHSCROLL) style |= ES_AUTOHSCROLL;
    if (comboStyle & CBS_LOWERCASE) style |= ES_LOWERCASE;
    if (comboStyle & CBS_UPPERCASE) style |= ES_UPPERCASE;
    if (comboStyle & WS_DISABLED) style |= WS_DISABLED;
    return style;
}

const char* KindName(DWORD kind) {
    switch (kind) {
        case CBS_SIMPLE: return "simple";
        case CBS_DROPDOWN: return "dropdown";
        default: return "droplist";
    }
}

struct Registrar {
    Registrar() {
        RegisterSystemClass(kComboBoxClassName, [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<ComboBoxControl>(hwnd);
        });
    }
} const kRegistrar;

}  // namespace

ComboBoxControl::ComboBoxControl(HWND hwnd)
    : m_hwnd(hwnd),
      m_kind(KindOf(WindowStyle(hwnd))),
      m_content(hwnd, ODT_COMBOBOX, ListKindOf(WindowStyle(hwnd))) {}

LRESULT ComboBoxControl::HandleMessage(const Message& m) {
    const auto index = static_cast<int>(m.wParam);
    switch (m.id) {
        case WM_CREATE: return OnCreate();
        case WM_DESTROY: return OnDestroy();
        case CB_ADDSTRING: return m_content.Add(m.lParam, "CB_ADDSTRING");
        case CB_INSERTSTRING: return m_content.Insert(index, m.lParam, "CB_INSERTSTRING");
        case CB_DELETESTRING: return OnDeleteString(index);
        case CB_RESETCONTENT: return OnResetContent();
        case CB_GETCOUNT: return Items().Count();
        case CB_GETLBTEXT:
            return m_content.GetText(index, reinterpret_cast<char*>(m.lParam), "CB_GETLBTEXT");
        case CB_GETLBTEXTLEN: return m_content.GetTextLength(index, "CB_GETLBTEXTLEN");
        case CB_GETITEMDATA: return m_content.GetData(index, "CB_GETITEMDATA");
        case CB_SETITEMDATA:
            return m_content.SetData(index, static_cast<ULONG_PTR>(m.lParam), "CB_SETITEMDATA");
        case CB_FINDSTRING:
            return m_content.Find(index, m.lParam, ListMatch::Prefix, "CB_FINDSTRING");
        case CB_FINDSTRINGEXACT:
            return m_content.Find(index, m.lParam, ListMatch::Exact, "CB_FINDSTRINGEXACT");
        case CB_SETCURSEL: return OnSetCurSel(index);
        case CB_GETCURSEL: return Items().Selection();
        case CB_SELECTSTRING: return OnSelectString(index, m.lParam);
        case CB_LIMITTEXT: return OnLimitText(static_cast<UINT>(m.wParam));
        case CB_GETEDITSEL:
            return OnGetEditSel(reinterpret_cast<DWORD*>(m.wParam),
                                reinterpret_cast<DWORD*>(m.lParam));
        case CB_SETEDITSEL: return OnSetEditSel(m.lParam);
        case CB_SHOWDROPDOWN: return OnShowDropDown(m.wParam != 0);
        case CB_GETDROPPEDSTATE: return m_dropped ? TRUE : FALSE;
        case CB_GETDROPPEDCONTROLRECT:
            return OnGetDroppedControlRect(reinterpret_cast<RECT*>(m.lParam));
        case CB_SETITEMHEIGHT: return OnSetItemHeight(index, static_cast<int>(m.lParam));
        case CB_GETITEMHEIGHT: return OnGetItemHeight(index);
        case CB_GETTOPINDEX: return Items().Top();
        case CB_SETTOPINDEX: return OnSetTopIndex(index);
        case WM_SETTEXT: return OnSetText(reinterpret_cast<const char*>(m.lParam));
        case WM_GETTEXT: return OnGetText(m.wParam, reinterpret_cast<char*>(m.lParam));
        case WM_GETTEXTLENGTH: return OnGetTextLength();
        case WM_SETFONT: return OnSetFont(m);
        case WM_SIZE: return OnSize();
        case WM_PAINT: return OnPaint(reinterpret_cast<HDC>(m.wParam));
        case WM_ENABLE:
            if (m_edit) EnableWindow(m_edit, static_cast<BOOL>(m.wParam));
            return 0;
        case WM_COMMAND:
            if (m_edit && reinterpret_cast<HWND>(m.lParam) == m_edit) {
                return OnEditCommand(HIWORD(m.wParam));
            }
            return 0;
        case WM_LBUTTONDOWN: return OnButtonDown(PointFromLParam(m.lParam));
        case WM_LBUTTONUP: return OnButtonUp();
        case WM_LBUTTONDBLCLK: return OnDoubleClick(PointFromLParam(m.lParam));
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam));
        case WM_CHAR: return OnChar(static_cast<char32_t>(m.wParam));
        case WM_SETFOCUS: return OnSetFocus();
        case WM_KILLFOCUS: return OnKillFocus(reinterpret_cast<HWND>(m.wParam));
        case WM_GETDLGCODE: return OnGetDlgCode(reinterpret_cast<const MSG*>(m.lParam));
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT ComboBoxControl::OnCreate() {
    RECT client;
    GetClientRect(m_hwnd, &client);
    m_itemHeight = FontHeight();
    m_selectionHeight = m_itemHeight + kSelectionMargin;
    if (m_content.Kind().ownerDrawn) {
        // Windows asks for the field's height (item -1), then for the rows' height (item 0).
        m_selectionHeight =
            m_content.Parent().MeasureItem(static_cast<UINT>(-1), client.right, m_selectionHeight);
        if (!IsWindow(m_hwnd)) return 0;
        m_itemHeight = m_content.Parent().MeasureItem(0, client.right, m_itemHeight);
        if (!IsWindow(m_hwnd)) return 0;
        m_selectionHeightSet = true;
    }
    // A drop-down's height at creation is the room its list may take below the field.
    m_listHeight = std::max(static_cast<int>(client.bottom) - FieldHeight(), m_itemHeight);
    if (m_kind != CBS_DROPDOWNLIST) {
        m_edit = CreateWindowEx(0, "Edit", "", EditStyleOf(WindowStyle(m_hwnd)), 0, 0, 0, 0, m_hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboEditId)),
                                nullptr, nullptr);
        if (!m_edit) return -1;
    }
    Layout();
    return 0;
}

LRESULT ComboBoxControl::OnDestroy() {
    m_content.Reset();
    return 0;
}

LRESULT ComboBoxControl::OnDeleteString(int index) {
    const LRESULT left = m_content.Delete(index, "CB_DELETESTRING");
    if (left != CB_ERR && IsWindow(m_hwnd)) Items().SetTop(Items().Top(), PageRows());
    return left;
}

LRESULT ComboBoxControl::OnResetContent() {
    m_content.Reset();
    if (IsWindow(m_hwnd) && m_edit) SetEditText("");
    return CB_OKAY;
}

LRESULT ComboBoxControl::OnSetCurSel(int index) {  // Never notifies.
    if (index != -1 && !m_content.CheckIndex(index, "CB_SETCURSEL")) return CB_ERR;
    Items().Select(index);
    if (index >= 0) Items().SetTop(index, PageRows());
    ShowSelectionInEdit();
    // Removing the selection (and the edit's text) answers CB_ERR, as in Windows.
    return index == -1 ? CB_ERR : index;
}

LRESULT ComboBoxControl::OnSelectString(int start, LPARAM value) {
    const LRESULT found = m_content.Find(start, value, ListMatch::Prefix, "CB_SELECTSTRING");
    if (found != CB_ERR) OnSetCurSel(static_cast<int>(found));
    return found;
}

LRESULT ComboBoxControl::OnShowDropDown(bool show) {
    // The program's request notifies as a person's click does.
    if (m_kind == CBS_SIMPLE || show == m_dropped) return TRUE;
    if (show) {
        DropDown();
    } else {
        RollUp(false);
    }
    return TRUE;
}

LRESULT ComboBoxControl::OnSetTopIndex(int index) {
    if (!m_content.CheckIndex(index, "CB_SETTOPINDEX")) return CB_ERR;
    Items().SetTop(index, PageRows());
    return CB_OKAY;
}

std::vector<std::string> ComboBoxControl::DescribeState(HWND) const {
    std::vector<std::string> state{KindName(m_kind)};
    if (m_content.Kind().ownerDrawn) state.emplace_back("ownerdraw");
    state.push_back(m_content.DescribeItems());
    if (Items().Selection() >= 0) state.push_back("sel=" + std::to_string(Items().Selection()));
    if (m_dropped) state.emplace_back("dropped");
    // A short list shows a disabled scroll bar when the style asks for one.
    if ((WindowStyle(m_hwnd) & CBS_DISABLENOSCROLL) && Items().Count() <= PageRows()) {
        state.emplace_back("noscroll");
    }
    return state;
}

ComboBoxState ComboBoxControl::State() const {
    ComboBoxState state;
    state.kind = m_kind == CBS_SIMPLE     ? ComboKind::Simple
                 : m_kind == CBS_DROPDOWN ? ComboKind::DropDown
                                          : ComboKind::DropDownList;
    for (int index = 0; index < Items().Count(); ++index) {
        state.items.push_back(Items().At(index).text);
    }
    state.selection = Items().Selection();
    state.dropped = m_dropped;
    state.focused = m_focused;
    state.topIndex = Items().Top();
    state.itemHeight = m_itemHeight;
    state.visibleRows = ShownRows();
    state.listRect = ListRect();
    state.buttonRect = ButtonRect();
    state.edit = m_edit;
    return state;
}

std::optional<ComboBoxState> GetComboBoxState(HWND combo) {
    const auto* control = ControlBehind<ComboBoxControl>(combo, "GetComboBoxState", "a combo box");
    if (!control) return std::nullopt;
    return control->State();
}

}  // namespace winport
