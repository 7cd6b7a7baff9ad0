// The tool tip control ("tooltips_class32"): styles, tool flags, messages, TTTOOLINFOA and the
// text notification with Windows' values, and what a view or a test reads of it. A tool tip is a
// top-level popup owned by the window it serves; it holds one tool per control or rectangle.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/core/CommonControls.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"

inline constexpr char TOOLTIPS_CLASS[] = "tooltips_class32";

inline constexpr DWORD TTS_ALWAYSTIP = 0x01;
inline constexpr DWORD TTS_NOPREFIX = 0x02;
inline constexpr DWORD TTS_NOANIMATE = 0x10;
inline constexpr DWORD TTS_NOFADE = 0x20;
inline constexpr DWORD TTS_BALLOON = 0x40;

inline constexpr UINT TTF_IDISHWND = 0x0001;
inline constexpr UINT TTF_CENTERTIP = 0x0002;
inline constexpr UINT TTF_RTLREADING = 0x0004;
inline constexpr UINT TTF_SUBCLASS = 0x0010;
inline constexpr UINT TTF_TRACK = 0x0020;
inline constexpr UINT TTF_ABSOLUTE = 0x0080;
inline constexpr UINT TTF_TRANSPARENT = 0x0100;
inline constexpr UINT TTF_DI_SETITEM = 0x8000;

inline constexpr UINT TTM_ACTIVATE = WM_USER + 1;
inline constexpr UINT TTM_ADDTOOL = WM_USER + 4;
inline constexpr UINT TTM_DELTOOL = WM_USER + 5;
inline constexpr UINT TTM_NEWTOOLRECT = WM_USER + 6;
inline constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
inline constexpr UINT TTM_GETTOOLINFO = WM_USER + 8;
inline constexpr UINT TTM_GETTEXT = WM_USER + 11;
inline constexpr UINT TTM_UPDATETIPTEXT = WM_USER + 12;
inline constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
inline constexpr UINT TTM_ENUMTOOLS = WM_USER + 14;
inline constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;
inline constexpr UINT TTM_GETMAXTIPWIDTH = WM_USER + 25;

struct TTTOOLINFOA {
    UINT cbSize = 0;
    UINT uFlags = 0;
    HWND hwnd = nullptr;  // The window that holds the tool and receives its notifications.
    UINT_PTR uId = 0;     // The tool's id, or its window with TTF_IDISHWND.
    RECT rect;
    HINSTANCE hinst = nullptr;
    char* lpszText = nullptr;  // Text, a string resource id, LPSTR_TEXTCALLBACK or null.
    LPARAM lParam = 0;
    void* lpReserved = nullptr;
};
using TOOLINFO = TTTOOLINFOA;
using TTTOOLINFO = TTTOOLINFOA;

// The sizes of the structure's three versions: up to lpszText, to lParam, and whole.
inline constexpr UINT TTTOOLINFOA_V1_SIZE = offsetof(TTTOOLINFOA, lParam);
inline constexpr UINT TTTOOLINFOA_V2_SIZE = offsetof(TTTOOLINFOA, lpReserved);
inline constexpr UINT TTTOOLINFOA_V3_SIZE = sizeof(TTTOOLINFOA);

inline constexpr UINT TTN_GETDISPINFO = NotificationCode(TTN_FIRST - 0);
inline constexpr UINT TTN_NEEDTEXT = TTN_GETDISPINFO;
inline constexpr UINT TTN_SHOW = NotificationCode(TTN_FIRST - 1);
inline constexpr UINT TTN_POP = NotificationCode(TTN_FIRST - 2);

// Sent as WM_NOTIFY to the tool's window (wParam: the tool's id) when its text is asked for. The
// handler points lpszText at its text, copies it into szText, or names a string resource.
struct NMTTDISPINFOA {
    NMHDR hdr;
    char* lpszText = nullptr;
    char szText[80] = {};
    HINSTANCE hinst = nullptr;
    UINT uFlags = 0;  // The tool's flags; TTF_DI_SETITEM asks the tool tip to keep the text.
    LPARAM lParam = 0;
};
using NMTTDISPINFO = NMTTDISPINFOA;
using TOOLTIPTEXT = NMTTDISPINFOA;

namespace winport {

// TTM_GETTEXT copies at most this many bytes, terminator included, when wParam gives no size.
inline constexpr UINT kToolTipTextBuffer = 80;

// The text the tip of |tool| would show: the tool whose window is |tool| (TTF_IDISHWND), else the
// first tool held by window |tool|. A callback tool is asked for it, as when its tip is about to
// show. nullopt with the last error set when |tooltip| is not a tool tip or has no such tool.
std::optional<std::string> ToolTipText(HWND tooltip, HWND tool);

}  // namespace winport
