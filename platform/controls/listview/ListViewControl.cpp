#include "platform/controls/listview/ListViewControl.h"

#include <algorithm>
#include <memory>

#include "platform/controls/ControlSupport.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/SystemColors.h"
#include "platform/message/MessageApi.h"
#include "platform/text/TextCopy.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

// The width a column gets when LVM_INSERTCOLUMN names none.
constexpr int kDefaultColumnWidth = 10;
// Padding Windows adds to the widest text when it sizes a column to fit.
constexpr int kTrailingPadding = 12;

struct Registrar {
    Registrar() {
        RegisterSystemClass(WC_LISTVIEW, [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<ListViewControl>(hwnd);
        });
    }
} const kRegistrar;

template <typename T>
T* Pointer(LPARAM lParam) {
    return reinterpret_cast<T*>(lParam);
}

}  // namespace

LRESULT ListViewControl::HandleMessage(const Message& m) {
    const auto index = static_cast<int>(m.wParam);
    switch (m.id) {
        case WM_CREATE: return OnCreate();
        case WM_DESTROY: return OnDestroy();
        case WM_NCDESTROY: return OnNcDestroy(m);
        case WM_SETFONT: return OnSetFont(m);
        case WM_PAINT: return OnPaint(reinterpret_cast<HDC>(m.wParam));
        case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
        case WM_SETFOCUS: return OnSetFocus();
        case WM_KILLFOCUS: return OnKillFocus();
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam));
        case WM_LBUTTONDOWN: return OnLeftButtonDown(m.wParam, PointFromLParam(m.lParam));
        case WM_LBUTTONUP: return OnLeftButtonUp(PointFromLParam(m.lParam));
        case WM_LBUTTONDBLCLK: return OnLeftDoubleClick(PointFromLParam(m.lParam));
        case WM_RBUTTONDOWN: return OnRightButtonDown(m.wParam, PointFromLParam(m.lParam));
        case WM_RBUTTONDBLCLK: return OnRightDoubleClick(PointFromLParam(m.lParam));
        // The release is taken while the press is tracked, so it never asks for a context menu.
        case WM_RBUTTONUP: return 0;
        case LVM_INSERTCOLUMNA: return OnInsertColumn(index, Pointer<const LVCOLUMNA>(m.lParam));
        case LVM_SETCOLUMNA: return OnSetColumn(index, Pointer<const LVCOLUMNA>(m.lParam));
        case LVM_GETCOLUMNA: return OnGetColumn(index, Pointer<LVCOLUMNA>(m.lParam));
        case LVM_DELETECOLUMN: return OnDeleteColumn(index);
        case LVM_GETCOLUMNWIDTH: return OnGetColumnWidth(index);
        case LVM_SETCOLUMNWIDTH:
            return OnSetColumnWidth(index,
                                    static_cast<short>(LOWORD(static_cast<UINT_PTR>(m.lParam))));
        case LVM_INSERTITEMA: return OnInsertItem(Pointer<const LVITEMA>(m.lParam));
        case LVM_SETITEMA: return OnSetItem(Pointer<const LVITEMA>(m.lParam));
        case LVM_GETITEMA: return OnGetItem(Pointer<LVITEMA>(m.lParam));
        case LVM_SETITEMTEXTA: return OnSetItemText(index, Pointer<const LVITEMA>(m.lParam));
        case LVM_GETITEMTEXTA: return OnGetItemText(index, Pointer<LVITEMA>(m.lParam));
        case LVM_SETITEMSTATE: return OnSetItemState(index, Pointer<const LVITEMA>(m.lParam));
        case LVM_GETITEMSTATE: return StateOf(index) & static_cast<UINT>(m.lParam);
        case LVM_DELETEITEM: return OnDeleteItem(index);
        case LVM_DELETEALLITEMS: return DeleteAllItems();
        case LVM_GETITEMCOUNT: return m_items.Count();
        case LVM_GETSELECTEDCOUNT: return m_items.SelectedCount();
        case LVM_GETNEXTITEM: return OnGetNextItem(index, LOWORD(static_cast<UINT_PTR>(m.lParam)));
        case LVM_FINDITEMA: return OnFindItem(index, Pointer<const LVFINDINFOA>(m.lParam));
        case LVM_SORTITEMS:
            return OnSortItems(static_cast<LPARAM>(m.wParam),
                               reinterpret_cast<PFNLVCOMPARE>(m.lParam));
        case LVM_GETSELECTIONMARK: return m_selectionMark;
        case LVM_SETSELECTIONMARK: return OnSetSelectionMark(static_cast<int>(m.lParam));
        case LVM_HITTEST: return OnHitTest(Pointer<LVHITTESTINFO>(m.lParam));
        case LVM_GETITEMRECT: return OnGetItemRect(index, Pointer<RECT>(m.lParam));
        case LVM_ENSUREVISIBLE: return OnEnsureVisible(index, m.lParam != 0);
        case LVM_GETTOPINDEX: return m_geometry.TopIndex();
        case LVM_GETCOUNTPERPAGE: return m_geometry.CountPerPage();
        case LVM_REDRAWITEMS: return OnRedrawItems(index, static_cast<int>(m.lParam));
        case LVM_UPDATE: return m_items.Contains(index) ? OnRedrawItems(index, index) : FALSE;
        case LVM_SETIMAGELIST: return OnSetImageList(index, reinterpret_cast<HIMAGELIST>(m.lParam));
        case LVM_GETIMAGELIST: return OnGetImageList(index);
        case LVM_SETEXTENDEDLISTVIEWSTYLE:
            return OnSetExtendedStyle(static_cast<DWORD>(m.wParam), static_cast<DWORD>(m.lParam));
        case LVM_GETEXTENDEDLISTVIEWSTYLE: return m_looks.extendedStyle;
        case LVM_SETBKCOLOR: m_backColor = static_cast<COLORREF>(m.lParam); return TRUE;
        case LVM_GETBKCOLOR: return m_backColor;
        case LVM_SETTEXTCOLOR: m_textColor = static_cast<COLORREF>(m.lParam); return TRUE;
        case LVM_GETTEXTCOLOR: return m_textColor;
        case LVM_SETTEXTBKCOLOR: m_textBackColor = static_cast<COLORREF>(m.lParam); return TRUE;
        case LVM_GETTEXTBKCOLOR: return m_textBackColor;
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT ListViewControl::OnCreate() {
    m_backColor = GetSysColor(COLOR_WINDOW);
    m_geometry.UpdateRowHeight();
    // An owner-drawn report asks its owner for the row height once, at creation.
    if ((WindowStyle(m_hwnd) & (LVS_TYPEMASK | LVS_OWNERDRAWFIXED)) ==
        (LVS_REPORT | LVS_OWNERDRAWFIXED)) {
        MeasureRows();
    }
    return 0;
}

LRESULT ListViewControl::OnDestroy() {
    // Destruction deletes every row with the notifications LVM_DELETEALLITEMS sends.
    DeleteAllItems();
    return 0;
}

LRESULT ListViewControl::OnNcDestroy(const Message& m) {
    // Without LVS_SHAREIMAGELISTS the list owns the image lists it was given.
    if (!(WindowStyle(m_hwnd) & LVS_SHAREIMAGELISTS)) {
        for (HIMAGELIST list : {m_looks.normalImages, m_looks.smallImages, m_looks.stateImages}) {
            if (list) ImageList_Destroy(list);
        }
    }
    m_looks.normalImages = m_looks.smallImages = m_looks.stateImages = nullptr;
    return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
}

LRESULT ListViewControl::OnInsertColumn(int column, const LVCOLUMNA* info) {
    if (!info || column < 0) return Refuse(-1, "LVM_INSERTCOLUMN: no column or a negative index");
    if ((info->mask & LVCF_TEXT) && !IsText(info->pszText)) {
        return Refuse(-1, "LVM_INSERTCOLUMN: the text pointer is null");
    }
    column = std::min(column, m_items.ColumnCount());
    ListViewColumn value;
    value.width = kDefaultColumnWidth;
    if (info->mask & LVCF_WIDTH) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        // LVSCW_AUTOSIZE_USEHEADER fills what the columns before it leave of the width.
        value.width = info->cx == LVSCW_AUTOSIZE_USEHEADER
                          ? std::max(0, static_cast<int>(client.right) - m_items.ColumnLeft(column))
                          : std::max(0, info->cx);
    }
    if (info->mask & LVCF_TEXT) value.title = info->pszText;
    if (info->mask & LVCF_FMT) value.format = info->fmt;
    if (info->mask & LVCF_SUBITEM) value.subItem = info->iSubItem;
    if (info->mask & LVCF_IMAGE) value.image = info->iImage;
    m_items.InsertColumn(column, std::move(value));
    return column;
}

LRESULT ListViewControl::OnSetColumn(int column, const LVCOLUMNA* info) {
    if (!info || !m_items.ContainsColumn(column)) {
        return Refuse(FALSE, "LVM_SETCOLUMN: no column " + std::to_string(column));
    }
    if ((info->mask & LVCF_TEXT) && !IsText(info->pszText)) {
        return Refuse(FALSE, "LVM_SETCOLUMN: the text pointer is null");
    }
    ListViewColumn& value = m_items.Column(column);
    if (info->mask & LVCF_TEXT) value.title = info->pszText;
    if (info->mask & LVCF_FMT) value.format = info->fmt;
    if (info->mask & LVCF_IMAGE) value.image = info->iImage;
    if (info->mask & LVCF_WIDTH) return OnSetColumnWidth(column, info->cx);
    return TRUE;
}

LRESULT ListViewControl::OnGetColumn(int column, LVCOLUMNA* info) const {
    if (!info || !m_items.ContainsColumn(column)) {
        return Refuse(FALSE, "LVM_GETCOLUMN: no column " + std::to_string(column));
    }
    if ((info->mask & LVCF_TEXT) && !IsText(info->pszText)) {
        return Refuse(FALSE, "LVM_GETCOLUMN: the text buffer is null");
    }
    const ListViewColumn& value = m_items.Column(column);
    if ((info->mask & LVCF_TEXT) && info->cchTextMax > 0) {
        CopyTextToBuffer(value.title, info->pszText, info->cchTextMax);
    }
    if (info->mask & LVCF_FMT) info->fmt = value.format;
    if (info->mask & LVCF_WIDTH) info->cx = value.width;
    if (info->mask & LVCF_SUBITEM) info->iSubItem = value.subItem;
    if (info->mask & LVCF_IMAGE) info->iImage = value.image;
    if (info->mask & LVCF_ORDER) info->iOrder = column;
    return TRUE;
}

LRESULT ListViewControl::OnDeleteColumn(int column) {
    if (!m_items.ContainsColumn(column)) return FALSE;
    m_items.EraseColumn(column);
    return TRUE;
}

LRESULT ListViewControl::OnGetColumnWidth(int column) const {
    return m_items.ContainsColumn(column) ? m_items.Column(column).width : 0;
}

LRESULT ListViewControl::OnSetColumnWidth(int column, int width) {
    if (!m_items.ContainsColumn(column)) return FALSE;
    if (width < LVSCW_AUTOSIZE_USEHEADER) width = LVSCW_AUTOSIZE;
    const bool last = column == m_items.ColumnCount() - 1;
    if (width == LVSCW_AUTOSIZE) {
        width = AutoWidth(column, false);
    } else if (width == LVSCW_AUTOSIZE_USEHEADER && last) {
        // The last column takes the rest of the client width.
        RECT client;
        GetClientRect(m_hwnd, &client);
        width = std::max(0, static_cast<int>(client.right) - m_items.ColumnLeft(column));
    } else if (width == LVSCW_AUTOSIZE_USEHEADER) {
        width = AutoWidth(column, true);
    }
    m_items.Column(column).width = width;
    return TRUE;
}

int ListViewControl::AutoWidth(int column, bool withTitle) const {
    const auto font = reinterpret_cast<HFONT>(SendMessage(m_hwnd, WM_GETFONT, 0, 0));
    int widest = 0;
    for (int row = 0; row < m_items.Count(); ++row) {
        widest = std::max(
            widest, static_cast<int>(EstimateTextExtent(font, m_items.CellText(row, column)).cx));
    }
    if (column == 0 && m_looks.smallImages) {
        int cx = 0;
        int cy = 0;
        ImageList_GetIconSize(m_looks.smallImages, &cx, &cy);
        widest += cx;
    }
    widest += kTrailingPadding;
    if (withTitle) {
        const int title =
            static_cast<int>(EstimateTextExtent(font, m_items.Column(column).title).cx);
        widest = std::max(widest, title + kTrailingPadding);
    }
    return widest;
}

LRESULT ListViewControl::OnSetExtendedStyle(DWORD mask, DWORD style) {
    const DWORD previous = m_looks.extendedStyle;
    m_looks.extendedStyle = mask ? (previous & ~mask) | (style & mask) : style;
    return previous;
}

LRESULT ListViewControl::OnSetImageList(int kind, HIMAGELIST list) {
    HIMAGELIST* slot = kind == LVSIL_NORMAL  ? &m_looks.normalImages
                       : kind == LVSIL_SMALL ? &m_looks.smallImages
                       : kind == LVSIL_STATE ? &m_looks.stateImages
                                             : nullptr;
    if (!slot) return Refuse(0, "LVM_SETIMAGELIST: no image list kind " + std::to_string(kind));
    HIMAGELIST previous = *slot;
    *slot = list;
    m_geometry.UpdateRowHeight();
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT ListViewControl::OnGetImageList(int kind) const {
    switch (kind) {
        case LVSIL_NORMAL: return reinterpret_cast<LRESULT>(m_looks.normalImages);
        case LVSIL_SMALL: return reinterpret_cast<LRESULT>(m_looks.smallImages);
        case LVSIL_STATE: return reinterpret_cast<LRESULT>(m_looks.stateImages);
        default: return 0;
    }
}

LRESULT ListViewControl::OnSetFont(const Message& m) {
    DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    m_geometry.UpdateRowHeight();
    return 0;
}

LRESULT ListViewControl::OnHitTest(LVHITTESTINFO* info) const {
    if (!info) return -1;
    info->iItem =
        m_geometry.HitTest(info->pt, ListViewGeometry::HitMode::Select, &info->flags, nullptr);
    return info->iItem;
}

LRESULT ListViewControl::OnGetItemRect(int row, RECT* rect) const {
    if (!rect || !m_items.Contains(row)) return FALSE;
    return m_geometry.PortionRect(row, rect->left, *rect) ? TRUE : FALSE;
}

LRESULT ListViewControl::OnEnsureVisible(int row, bool partialOk) {
    if (!m_items.Contains(row)) return FALSE;
    // A row cut off at the bottom will do when the caller accepts part of it.
    const int top = m_geometry.TopIndex();
    if (partialOk && row >= top && row <= m_geometry.LastVisibleRow()) return TRUE;
    m_geometry.EnsureVisible(row);
    return TRUE;
}

}  // namespace winport
