// Windows constants the system controls use that the core headers do not carry yet.
#pragma once

#include "platform/core/WinTypes.h"

// Image kinds of STM_SETIMAGE, STM_GETIMAGE, BM_SETIMAGE and BM_GETIMAGE.
inline constexpr UINT IMAGE_BITMAP = 0;
inline constexpr UINT IMAGE_ICON = 1;
inline constexpr UINT IMAGE_CURSOR = 2;
inline constexpr UINT IMAGE_ENHMETAFILE = 3;

// Static kinds past those in WinStyles.h.
inline constexpr DWORD SS_GRAYFRAME = 0x0008;
inline constexpr DWORD SS_WHITEFRAME = 0x0009;
inline constexpr DWORD SS_SIMPLE = 0x000B;
inline constexpr DWORD SS_LEFTNOWORDWRAP = 0x000C;
inline constexpr DWORD SS_ENHMETAFILE = 0x000F;
inline constexpr DWORD SS_ETCHEDVERT = 0x0011;
inline constexpr DWORD SS_ETCHEDFRAME = 0x0012;

// Static notifications past STN_CLICKED and STN_DBLCLK.
inline constexpr WORD STN_ENABLE = 2;
inline constexpr WORD STN_DISABLE = 3;
