#include "platform/controls/listbox/ListBoxOwnerDraw.h"

#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {

UINT OwnerDrawParent::ControlId() const {
    return static_cast<UINT>(GetDlgCtrlID(m_control));
}

LRESULT OwnerDrawParent::Send(UINT msg, void* structure) const {
    const HWND parent = GetParent(m_control);
    if (!parent) return 0;
    return SendMessage(parent, msg, ControlId(), reinterpret_cast<LPARAM>(structure));
}

int OwnerDrawParent::MeasureItem(UINT itemId, int width, int height) const {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = m_ctlType;
    measure.CtlID = ControlId();
    measure.itemID = itemId;
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    Send(WM_MEASUREITEM, &measure);
    return std::max(static_cast<int>(measure.itemHeight), 1);
}

void OwnerDrawParent::DrawItem(HDC dc, UINT itemId, UINT action, UINT state, const RECT& rect,
                               ULONG_PTR data) const {
    const HDC own = dc ? nullptr : GetDC(m_control);
    DRAWITEMSTRUCT draw;
    draw.CtlType = m_ctlType;
    draw.CtlID = ControlId();
    draw.itemID = itemId;
    draw.itemAction = action;
    draw.itemState = state;
    draw.hwndItem = m_control;
    draw.hDC = dc ? dc : own;
    draw.rcItem = rect;
    draw.itemData = data;
    Send(WM_DRAWITEM, &draw);
    if (own) ReleaseDC(m_control, own);
}

int OwnerDrawParent::CompareWithNew(int index, ULONG_PTR itemData, ULONG_PTR newData) const {
    COMPAREITEMSTRUCT compare;
    compare.CtlType = m_ctlType;
    compare.CtlID = ControlId();
    compare.hwndItem = m_control;
    compare.itemID1 = static_cast<UINT>(index);
    compare.itemData1 = itemData;
    compare.itemID2 = static_cast<UINT>(-1);
    compare.itemData2 = newData;
    return static_cast<int>(Send(WM_COMPAREITEM, &compare));
}

void OwnerDrawParent::DeleteItem(int index, ULONG_PTR data) const {
    DELETEITEMSTRUCT deleted;
    deleted.CtlType = m_ctlType;
    deleted.CtlID = ControlId();
    deleted.itemID = static_cast<UINT>(index);
    deleted.hwndItem = m_control;
    deleted.itemData = data;
    Send(WM_DELETEITEM, &deleted);
}

}  // namespace winport
