// What the list view tells its parent: every WM_NOTIFY it sends is built here.
#include "platform/controls/listview/ListViewControl.h"
#include "platform/dialog/DialogApi.h"
#include "platform/window/WindowApi.h"

namespace winport {

LRESULT ListViewControl::NotifyListView(UINT code, NMLISTVIEW& info) {
    return SendNotify(m_hwnd, info.hdr, code);
}

bool ListViewControl::NotifyCode(UINT code) {
    NMHDR header;
    SendNotify(m_hwnd, header, code);
    return IsWindow(m_hwnd) != FALSE;
}

bool ListViewControl::NotifyDelete(int row) {
    if (!m_items.Contains(row)) return true;
    NMLISTVIEW info;
    info.iItem = row;
    info.lParam = m_items.Row(row).param;
    NotifyListView(LVN_DELETEITEM, info);
    return IsWindow(m_hwnd) != FALSE;
}

LRESULT ListViewControl::NotifyClick(UINT code, POINT point) {
    int column = 0;
    const int row = m_geometry.HitTest(point, ListViewGeometry::HitMode::Notify, nullptr, &column);
    NMITEMACTIVATE info;
    info.iItem = row;
    info.iSubItem = column;
    info.ptAction = point;
    if (m_items.Contains(row)) info.lParam = m_items.Row(row).param;
    return SendNotify(m_hwnd, info.hdr, code);
}

bool ListViewControl::NotifyActivate(int row, int column, POINT point) {
    NMITEMACTIVATE info;
    info.iItem = row;
    info.iSubItem = column;
    info.ptAction = point;
    if (m_items.Contains(row)) {
        info.lParam = m_items.Row(row).param;
        info.uOldState = StateOf(row);
        info.uNewState = info.uOldState | LVIS_ACTIVATING;
        info.uChanged = LVIF_STATE;
    }
    if (GetKeyState(VK_SHIFT) < 0) info.uKeyFlags |= LVKF_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) info.uKeyFlags |= LVKF_CONTROL;
    if (GetKeyState(VK_MENU) < 0) info.uKeyFlags |= LVKF_ALT;
    SendNotify(m_hwnd, info.hdr, LVN_ITEMACTIVATE);
    return IsWindow(m_hwnd) != FALSE;
}

}  // namespace winport
