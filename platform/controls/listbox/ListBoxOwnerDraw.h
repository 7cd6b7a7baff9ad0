// What a list (a list box, or a combo box's list) asks of its parent about its items: how tall
// they are, drawing them, comparing them when it sorts items without strings, and forgetting
// deleted ones. Each helper fills the Windows structure and sends the message to the parent.
#pragma once

#include "platform/controls/OwnerDraw.h"
#include "platform/core/WinTypes.h"

namespace winport {

class OwnerDrawParent {
public:
    // |ctlType| is ODT_LISTBOX or ODT_COMBOBOX; the control's id is read at each message.
    OwnerDrawParent(HWND control, UINT ctlType) : m_control(control), m_ctlType(ctlType) {}

    // WM_MEASUREITEM: the height the parent answers, at least 1.
    int MeasureItem(UINT itemId, int width, int height) const;
    // WM_DRAWITEM on |dc|, or on a display context of the control's when |dc| is null.
    void DrawItem(HDC dc, UINT itemId, UINT action, UINT state, const RECT& rect,
                  ULONG_PTR data) const;
    // WM_COMPAREITEM of item |index| with a new item whose data is |newData| (its index is -1):
    // negative when the item sorts before the new one.
    int CompareWithNew(int index, ULONG_PTR itemData, ULONG_PTR newData) const;
    // WM_DELETEITEM.
    void DeleteItem(int index, ULONG_PTR data) const;

private:
    UINT ControlId() const;
    LRESULT Send(UINT msg, void* structure) const;

    HWND m_control;
    UINT m_ctlType;
};

// Windows tells the parent of every deleted item of an owner-drawn list, and of every item with
// nonzero item data in any list.
inline bool TellsParentOfDeletion(bool ownerDrawn, ULONG_PTR data) {
    return ownerDrawn || data != 0;
}

}  // namespace winport
