// The tab control ("SysTabControl32"): its messages, notifications, styles and structures, with
// Windows' values. Text is the "A" form: UTF-8 in char buffers.
#pragma once

#include "platform/core/CommonControls.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/gdi/ImageList.h"

inline constexpr char WC_TABCONTROL[] = "SysTabControl32";

inline constexpr DWORD TCS_TABS = 0x0000;
inline constexpr DWORD TCS_SINGLELINE = 0x0000;
inline constexpr DWORD TCS_MULTILINE = 0x0200;
inline constexpr DWORD TCS_FOCUSONBUTTONDOWN = 0x1000;
inline constexpr DWORD TCS_FOCUSNEVER = 0x8000;

inline constexpr UINT TCM_FIRST = 0x1300;
inline constexpr UINT TCM_GETIMAGELIST = TCM_FIRST + 2;
inline constexpr UINT TCM_SETIMAGELIST = TCM_FIRST + 3;
inline constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
inline constexpr UINT TCM_GETITEMA = TCM_FIRST + 5;
inline constexpr UINT TCM_SETITEMA = TCM_FIRST + 6;
inline constexpr UINT TCM_INSERTITEMA = TCM_FIRST + 7;
inline constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
inline constexpr UINT TCM_DELETEALLITEMS = TCM_FIRST + 9;
inline constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;
inline constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
inline constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;
inline constexpr UINT TCM_HITTEST = TCM_FIRST + 13;
inline constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;
inline constexpr UINT TCM_SETPADDING = TCM_FIRST + 43;
inline constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;
inline constexpr UINT TCM_GETCURFOCUS = TCM_FIRST + 47;
inline constexpr UINT TCM_SETCURFOCUS = TCM_FIRST + 48;
inline constexpr UINT TCM_GETITEM = TCM_GETITEMA;
inline constexpr UINT TCM_SETITEM = TCM_SETITEMA;
inline constexpr UINT TCM_INSERTITEM = TCM_INSERTITEMA;

inline constexpr UINT TCN_KEYDOWN = NotificationCode(TCN_FIRST - 0);
inline constexpr UINT TCN_SELCHANGE = NotificationCode(TCN_FIRST - 1);
inline constexpr UINT TCN_SELCHANGING = NotificationCode(TCN_FIRST - 2);

inline constexpr UINT TCIF_TEXT = 0x0001;
inline constexpr UINT TCIF_IMAGE = 0x0002;
inline constexpr UINT TCIF_PARAM = 0x0008;
inline constexpr UINT TCIF_STATE = 0x0010;

inline constexpr DWORD TCIS_BUTTONPRESSED = 0x0001;
inline constexpr DWORD TCIS_HIGHLIGHTED = 0x0002;

inline constexpr UINT TCHT_NOWHERE = 0x0001;
inline constexpr UINT TCHT_ONITEMICON = 0x0002;
inline constexpr UINT TCHT_ONITEMLABEL = 0x0004;
inline constexpr UINT TCHT_ONITEM = TCHT_ONITEMICON | TCHT_ONITEMLABEL;

struct TCITEMA {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
};

struct TCHITTESTINFO {
    POINT pt;
    UINT flags = 0;
};

struct NMTCKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;
    UINT flags = 0;
};

using TCITEM = TCITEMA;
// The older names, as code of the MFC 4 era spells them.
using TC_ITEM = TCITEMA;
using TC_HITTESTINFO = TCHITTESTINFO;
using TC_KEYDOWN = NMTCKEYDOWN;
