// What every common control shares: the WM_NOTIFY header and the generic notification codes.
// Each control's own messages and notifications live beside the control.
#pragma once

#include "platform/core/WinTypes.h"

struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// The text of an item or tool whose owner supplies it on demand (a tool tip asks through
// TTN_GETDISPINFO); a marker, never a string to read.
inline char* const LPSTR_TEXTCALLBACK = reinterpret_cast<char*>(static_cast<INT_PTR>(-1));

// Notification codes are negative numbers carried in an unsigned field.
constexpr UINT NotificationCode(int code) {
    return static_cast<UINT>(code);
}

inline constexpr UINT NM_FIRST = NotificationCode(0);
inline constexpr UINT NM_OUTOFMEMORY = NotificationCode(-1);
inline constexpr UINT NM_CLICK = NotificationCode(-2);
inline constexpr UINT NM_DBLCLK = NotificationCode(-3);
inline constexpr UINT NM_RETURN = NotificationCode(-4);
inline constexpr UINT NM_RCLICK = NotificationCode(-5);
inline constexpr UINT NM_RDBLCLK = NotificationCode(-6);
inline constexpr UINT NM_SETFOCUS = NotificationCode(-7);
inline constexpr UINT NM_KILLFOCUS = NotificationCode(-8);
inline constexpr UINT NM_CUSTOMDRAW = NotificationCode(-12);
inline constexpr UINT NM_RELEASEDCAPTURE = NotificationCode(-16);

inline constexpr int LVN_FIRST = -100;
inline constexpr int TVN_FIRST = -400;
inline constexpr int TTN_FIRST = -520;
inline constexpr int TCN_FIRST = -550;
inline constexpr int UDN_FIRST = -721;

// Custom draw (NM_CUSTOMDRAW) stages and answers.
inline constexpr DWORD CDDS_PREPAINT = 0x00000001;
inline constexpr DWORD CDDS_POSTPAINT = 0x00000002;
inline constexpr DWORD CDDS_ITEM = 0x00010000;
inline constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
inline constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
inline constexpr DWORD CDDS_SUBITEM = 0x00020000;
inline constexpr LRESULT CDRF_DODEFAULT = 0x00000000;
inline constexpr LRESULT CDRF_NEWFONT = 0x00000002;
inline constexpr LRESULT CDRF_SKIPDEFAULT = 0x00000004;
inline constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x00000010;
inline constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x00000020;
inline constexpr LRESULT CDRF_NOTIFYSUBITEMDRAW = 0x00000020;
inline constexpr UINT CDIS_SELECTED = 0x0001;
inline constexpr UINT CDIS_FOCUS = 0x0010;

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage = 0;
    HDC hdc = nullptr;
    RECT rc;
    ULONG_PTR dwItemSpec = 0;
    UINT uItemState = 0;
    LPARAM lItemlParam = 0;
};

namespace winport {

// Sends WM_NOTIFY with |header| (filled with the control's handle and id) to the control's
// parent; answers the parent's result.
LRESULT SendNotify(HWND control, NMHDR& header, UINT code);

}  // namespace winport
