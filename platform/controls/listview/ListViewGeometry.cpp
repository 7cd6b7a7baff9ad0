#include "platform/controls/listview/ListViewGeometry.h"

#include <algorithm>

#include "platform/controls/ControlSupport.h"
#include "platform/gdi/Font.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

// The header is as tall as its text plus a border, above and below.
constexpr int kHeaderBorder = 4;
// Rows are one pixel taller than their text or images.
constexpr int kRowPadding = 1;

int IconWidth(HIMAGELIST list) {
    int cx = 0;
    int cy = 0;
    return list && ImageList_GetIconSize(list, &cx, &cy) ? cx : 0;
}

int IconHeight(HIMAGELIST list) {
    int cx = 0;
    int cy = 0;
    return list && ImageList_GetIconSize(list, &cx, &cy) ? cy : 0;
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

RECT Union(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

}  // namespace

void ListViewGeometry::UpdateRowHeight() {
    const auto font = reinterpret_cast<HFONT>(SendMessage(m_hwnd, WM_GETFONT, 0, 0));
    const std::optional<FontMetrics> metrics = GetFontMetrics(font);
    m_fontHeight = metrics ? metrics->height : 0;
    if (m_measuredHeight > 0) {
        m_rowHeight = m_measuredHeight;
        return;
    }
    const int tallest =
        std::max({m_fontHeight, IconHeight(m_looks.smallImages), IconHeight(m_looks.stateImages)});
    m_rowHeight = std::max(tallest + kRowPadding, 1);
}

int ListViewGeometry::HeaderHeight() const {
    if (WindowStyle(m_hwnd) & LVS_NOCOLUMNHEADER) return 0;
    return m_fontHeight + kHeaderBorder;
}

RECT ListViewGeometry::ListArea() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    client.top = std::min(client.bottom, static_cast<LONG>(HeaderHeight()));
    return client;
}

int ListViewGeometry::RowTop(int row) const {
    return HeaderHeight() + (row - m_topIndex) * RowHeight();
}

int ListViewGeometry::CountPerPage() const {
    const RECT area = ListArea();
    return std::max(static_cast<int>(area.bottom - area.top) / RowHeight(), 1);
}

int ListViewGeometry::LastVisibleRow() const {
    const RECT area = ListArea();
    const int height = static_cast<int>(area.bottom - area.top);
    // A row cut off at the bottom still shows.
    const int shown = (height + RowHeight() - 1) / RowHeight();
    return std::min(m_topIndex + shown, m_items.Count()) - 1;
}

void ListViewGeometry::TakeMeasuredHeight(int height) {
    if (height != m_rowHeight) m_measuredHeight = m_rowHeight = height;
}

void ListViewGeometry::ClampTopIndex() {
    m_topIndex = std::clamp(m_topIndex, 0, std::max(0, m_items.Count() - CountPerPage()));
}

void ListViewGeometry::EnsureVisible(int row) {
    if (row < m_topIndex) {
        m_topIndex = row;
    } else if (row >= m_topIndex + CountPerPage()) {
        m_topIndex = row - CountPerPage() + 1;
    }
    m_topIndex = std::max(m_topIndex, 0);
}

bool ListViewGeometry::PortionRect(int row, LONG portion, RECT& rect) const {
    const int top = RowTop(row);
    const int bottom = top + RowHeight();
    const int firstColumnWidth = m_items.ColumnCount() > 0 ? m_items.Column(0).width : 0;
    const RECT bounds{0, top, m_items.TotalWidth(), bottom};
    const RECT stateIcon{0, top, IconWidth(m_looks.stateImages), bottom};
    const RECT icon{stateIcon.right, top, stateIcon.right + IconWidth(m_looks.smallImages), bottom};
    const RECT label{icon.right, top, std::max(icon.right, static_cast<LONG>(firstColumnWidth)),
                     bottom};
    switch (portion) {
        case LVIR_BOUNDS: rect = bounds; return true;
        case LVIR_ICON: rect = icon; return true;
        case LVIR_LABEL: rect = label; return true;
        case LVIR_SELECTBOUNDS:
            rect = (m_looks.extendedStyle & LVS_EX_FULLROWSELECT) ? bounds : Union(icon, label);
            return true;
        default: return false;
    }
}

int ListViewGeometry::HitTest(POINT point, HitMode mode, UINT* flagsOut, int* columnOut) const {
    UINT flags = 0;
    const RECT area = ListArea();
    if (point.x < area.left) flags |= LVHT_TOLEFT;
    if (point.x > area.right) flags |= LVHT_TORIGHT;
    if (point.y < area.top) flags |= LVHT_ABOVE;
    if (point.y > area.bottom) flags |= LVHT_BELOW;
    int column = -1;
    for (int i = 0; i < m_items.ColumnCount(); ++i) {
        if (point.x >= m_items.ColumnLeft(i) && point.x < m_items.ColumnLeft(i + 1)) column = i;
    }
    if (columnOut) *columnOut = column;
    if (flagsOut) *flagsOut = flags ? flags : LVHT_NOWHERE;
    if (flags) return -1;
    const int row = m_topIndex + (point.y - static_cast<int>(area.top)) / RowHeight();
    RECT bounds;
    if (!m_items.Contains(row) || !PortionRect(row, LVIR_BOUNDS, bounds) ||
        !Contains(bounds, point)) {
        return -1;
    }
    RECT icon;
    RECT label;
    PortionRect(row, LVIR_ICON, icon);
    PortionRect(row, LVIR_LABEL, label);
    if (Contains(icon, point)) {
        flags = LVHT_ONITEMICON;
    } else if (Contains(label, point)) {
        flags = LVHT_ONITEMLABEL;
    } else if (m_looks.stateImages && point.x < icon.left) {
        flags = LVHT_ONITEMSTATEICON;
    }
    // A full-row or owner-drawn row is hit anywhere along it.
    const bool fullRow = (m_looks.extendedStyle & LVS_EX_FULLROWSELECT) ||
                         (WindowStyle(m_hwnd) & LVS_OWNERDRAWFIXED);
    if (fullRow && !flags) flags = LVHT_ONITEM;
    if (flagsOut) *flagsOut = flags ? flags : LVHT_NOWHERE;
    // To select, a point outside a full row must lie on the first column's image or label.
    if (mode == HitMode::Select && !fullRow && !flags) return -1;
    return row;
}

}  // namespace winport
