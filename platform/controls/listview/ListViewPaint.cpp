// Headless painting. Nothing is rasterised; what Windows' paint cycle hands the parent is what
// counts: NM_CUSTOMDRAW for the whole view, for each visible row and (on request) each cell, and
// WM_DRAWITEM for each row of an owner-drawn report. WM_PAINT paints every visible row;
// LVM_REDRAWITEMS and LVM_UPDATE paint the rows they name at once, as the update that follows
// their invalidation would.
#include <algorithm>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/listview/ListViewControl.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {

void ListViewControl::MeasureRows() {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_LISTVIEW;
    measure.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
    measure.itemID = static_cast<UINT>(-1);
    measure.itemHeight = static_cast<UINT>(m_geometry.RowHeight());
    SendMessage(GetParent(m_hwnd), WM_MEASUREITEM, measure.CtlID,
                reinterpret_cast<LPARAM>(&measure));
    m_geometry.TakeMeasuredHeight(std::max(static_cast<int>(measure.itemHeight), 1));
}

LRESULT ListViewControl::OnPaint(HDC dc) {
    PaintRows(dc, m_geometry.TopIndex(), m_geometry.LastVisibleRow());
    return 0;
}

LRESULT ListViewControl::OnRedrawItems(int first, int last) {
    // A hidden list paints nothing; the rows are painted when it shows.
    if (IsWindowVisible(m_hwnd)) {
        PaintRows(nullptr, std::max(first, m_geometry.TopIndex()),
                  std::min(last, m_geometry.LastVisibleRow()));
    }
    return TRUE;
}

void ListViewControl::PaintRows(HDC dc, int first, int last) {
    const HDC own = dc ? nullptr : GetDC(m_hwnd);
    NMLVCUSTOMDRAW view;
    view.nmcd.hdc = dc ? dc : own;
    GetClientRect(m_hwnd, &view.nmcd.rc);
    view.clrText = m_textColor;
    view.clrTextBk = m_textBackColor;
    const LRESULT mode = NotifyCustomDraw(view, CDDS_PREPAINT);
    const bool ownerDrawn = (WindowStyle(m_hwnd) & (LVS_TYPEMASK | LVS_OWNERDRAWFIXED)) ==
                            (LVS_REPORT | LVS_OWNERDRAWFIXED);
    bool alive = IsWindow(m_hwnd) != FALSE;
    if (alive && !(mode & CDRF_SKIPDEFAULT)) {
        for (int row = first; row <= last && alive && m_items.Contains(row); ++row) {
            alive = ownerDrawn ? PaintOwnerDrawnRow(view.nmcd.hdc, row, mode)
                               : PaintReportRow(view.nmcd.hdc, row, mode);
        }
    }
    if (alive && (mode & CDRF_NOTIFYPOSTPAINT)) NotifyCustomDraw(view, CDDS_POSTPAINT);
    if (own) ReleaseDC(m_hwnd, own);
}

LRESULT ListViewControl::NotifyCustomDraw(NMLVCUSTOMDRAW& draw, DWORD stage) {
    draw.nmcd.dwDrawStage = stage;
    return SendNotify(m_hwnd, draw.nmcd.hdr, NM_CUSTOMDRAW);
}

bool ListViewControl::PaintOwnerDrawnRow(HDC dc, int row, LRESULT mode) {
    const UINT state = StateOf(row);
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_LISTVIEW;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
    draw.itemID = static_cast<UINT>(row);
    draw.itemAction = ODA_DRAWENTIRE;
    if (state & LVIS_SELECTED) draw.itemState |= ODS_SELECTED;
    // The focus rectangle shows only while the list has the keyboard focus.
    if (m_hasFocus && (state & LVIS_FOCUSED)) draw.itemState |= ODS_FOCUS;
    draw.hwndItem = m_hwnd;
    draw.hDC = dc;
    const int top = m_geometry.RowTop(row);
    draw.rcItem = RECT{0, top, m_items.TotalWidth(), top + m_geometry.RowHeight()};
    draw.itemData = static_cast<ULONG_PTR>(m_items.Row(row).param);

    NMLVCUSTOMDRAW item;
    item.nmcd.hdc = dc;
    item.nmcd.rc = draw.rcItem;
    item.nmcd.dwItemSpec = static_cast<ULONG_PTR>(row);
    item.nmcd.uItemState =
        ((state & LVIS_SELECTED) ? CDIS_SELECTED : 0) | ((state & LVIS_FOCUSED) ? CDIS_FOCUS : 0);
    item.nmcd.lItemlParam = m_items.Row(row).param;
    item.clrText = m_textColor;
    item.clrTextBk = m_textBackColor;
    LRESULT itemMode = CDRF_DODEFAULT;
    if (mode & CDRF_NOTIFYITEMDRAW) {
        itemMode = NotifyCustomDraw(item, CDDS_ITEMPREPAINT);
        if (!IsWindow(m_hwnd)) return false;
    }
    if (!(itemMode & CDRF_SKIPDEFAULT)) {
        SendMessage(GetParent(m_hwnd), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        if (!IsWindow(m_hwnd)) return false;
    }
    if (itemMode & CDRF_NOTIFYPOSTPAINT) NotifyCustomDraw(item, CDDS_ITEMPOSTPAINT);
    return IsWindow(m_hwnd) != FALSE;
}

bool ListViewControl::PaintReportRow(HDC dc, int row, LRESULT mode) {
    if (!(mode & CDRF_NOTIFYITEMDRAW)) return true;  // Nothing to tell; nothing to rasterise.
    // A text row shows its focus only while the list has the keyboard focus.
    const UINT state = m_hasFocus ? StateOf(row) : StateOf(row) & ~LVIS_FOCUSED;
    NMLVCUSTOMDRAW item;
    item.nmcd.hdc = dc;
    m_geometry.PortionRect(row, LVIR_BOUNDS, item.nmcd.rc);
    item.nmcd.dwItemSpec = static_cast<ULONG_PTR>(row);
    item.nmcd.uItemState =
        ((state & LVIS_SELECTED) ? CDIS_SELECTED : 0) | ((state & LVIS_FOCUSED) ? CDIS_FOCUS : 0);
    item.nmcd.lItemlParam = m_items.Row(row).param;
    item.clrText = m_textColor;
    item.clrTextBk = m_textBackColor;
    const LRESULT itemMode = NotifyCustomDraw(item, CDDS_ITEMPREPAINT);
    if (!IsWindow(m_hwnd)) return false;
    if (itemMode & CDRF_SKIPDEFAULT) return true;
    if (itemMode & CDRF_NOTIFYSUBITEMDRAW) {
        for (int column = 0; column < m_items.ColumnCount(); ++column) {
            NMLVCUSTOMDRAW cell = item;
            cell.iSubItem = column;
            cell.nmcd.rc.left = m_items.ColumnLeft(column);
            cell.nmcd.rc.right = m_items.ColumnLeft(column + 1);
            const LRESULT cellMode = NotifyCustomDraw(cell, CDDS_SUBITEM | CDDS_ITEMPREPAINT);
            if (!IsWindow(m_hwnd)) return false;
            if (cellMode & CDRF_NOTIFYPOSTPAINT) {
                NotifyCustomDraw(cell, CDDS_SUBITEM | CDDS_ITEMPOSTPAINT);
                if (!IsWindow(m_hwnd)) return false;
            }
        }
    }
    if (itemMode & CDRF_NOTIFYPOSTPAINT) NotifyCustomDraw(item, CDDS_ITEMPOSTPAINT);
    return IsWindow(m_hwnd) != FALSE;
}

}  // namespace winport
