// The structures the list view reads and fills, with Windows' layouts: items and columns in
// their single-byte form, notification payloads, search and hit-test records, and the
// custom-draw record its painting hands to the parent (the owner-draw ones are shared).
#pragma once

#include "platform/controls/OwnerDraw.h"
#include "platform/core/CommonControls.h"
#include "platform/core/WinTypes.h"

struct LVITEMA {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
    int iIndent = 0;
};
using LVITEM = LVITEMA;

struct LVCOLUMNA {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
    int iImage = 0;
    int iOrder = 0;
};
using LVCOLUMN = LVCOLUMNA;

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
};

struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};

// Packed to one byte, as Windows declares it.
#pragma pack(push, 1)
struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;
    UINT flags = 0;
};
#pragma pack(pop)

struct LVFINDINFOA {
    UINT flags = 0;
    const char* psz = nullptr;
    LPARAM lParam = 0;
    POINT pt;
    UINT vkDirection = 0;
};
using LVFINDINFO = LVFINDINFOA;

struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = 0;
    int iSubItem = 0;
};

// LVM_SORTITEMS calls it with the lParam of two items; it answers <0, 0 or >0.
using PFNLVCOMPARE = int (*)(LPARAM first, LPARAM second, LPARAM sortParam);

// Custom drawing (NM_CUSTOMDRAW): item states of NMCUSTOMDRAW::uItemState.

struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText = 0;
    COLORREF clrTextBk = 0;
    int iSubItem = 0;
    DWORD dwItemType = 0;
    COLORREF clrFace = 0;
    int iIconEffect = 0;
    int iIconPhase = 0;
    int iPartId = 0;
    int iStateId = 0;
    RECT rcText;
    UINT uAlign = 0;
};
