// Menus (user32): menu bars and popup menus as handles, their items, and TrackPopupMenu, which
// asks the shell UI for a choice. Every function validates its handle; a destroyed or invented
// one fails with ERROR_INVALID_MENU_HANDLE. Menus may be used from any thread.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/shell/ShellUi.h"

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_BITMAP = 0x0004;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_OWNERDRAW = 0x0100;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;

inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

struct TPMPARAMS {
    UINT cbSize = sizeof(TPMPARAMS);
    RECT rcExclude;
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and, as Windows does, every submenu still attached to it.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// |idOrPopup| is the command id, or the submenu's handle with MF_POPUP. A null |text| makes a
// separator. Bitmap and owner-drawn items are not supported (ERROR_INVALID_PARAMETER).
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, const char* text);
// Inserts before the item at |position| (MF_BYPOSITION; past the end appends) or before the item
// with command |position|, searched in submenus too (appends when there is none).
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, const char* text);
// Replaces the item; a submenu it replaces is destroyed.
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, const char* text);
// DeleteMenu destroys the item's submenu; RemoveMenu leaves it to the caller.
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);

HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);
// The command of the item at |position|; (UINT)-1 for a submenu or a position past the end.
UINT GetMenuItemID(HMENU menu, int position);
// Copies the item's text; with a null |buffer| or |maxCount| 0, answers the text's length.
int GetMenuString(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags);
// The item's MF_* flags; for a submenu, its item count in the high byte. (UINT)-1 if missing.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Answer the previous MF_GRAYED/MF_DISABLED (or MF_CHECKED) bits, or -1 when the item is
// missing.
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);

// Asks the shell UI to choose from |menu|, shown at (x, y) for |owner|, after sending the owner
// WM_INITMENUPOPUP (unless TPM_NONOTIFY). With TPM_RETURNCMD, answers the chosen command (0 for
// none); otherwise answers TRUE and posts the owner WM_COMMAND when a command is chosen, FALSE
// when the menu is dismissed. A choice that is not an enabled command of the menu dismisses it.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);

namespace winport {

// The items of |menu| as the shell UI sees them; nothing (with the last error) for a bad handle.
std::optional<std::vector<MenuItemSnapshot>> SnapshotMenu(HMENU menu);
// True when |command| names an enabled command item of |items| reached through enabled submenus:
// the only choices a person can make.
bool IsChoosableCommand(const std::vector<MenuItemSnapshot>& items, UINT command);
std::size_t LiveMenuCount();

}  // namespace winport
