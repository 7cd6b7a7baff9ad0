// Image lists: equally sized images kept by index, for list views, tree views and buttons.
// Every image is stored as 32-bit BGRA with its transparency in the alpha channel.
#pragma once

#include <cstddef>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PixelImage.h"

struct HIMAGELIST__;
using HIMAGELIST = HIMAGELIST__*;

inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR = 0x0000;
inline constexpr UINT ILC_COLORDDB = 0x00FE;
inline constexpr UINT ILC_COLOR4 = 0x0004;
inline constexpr UINT ILC_COLOR8 = 0x0008;
inline constexpr UINT ILC_COLOR16 = 0x0010;
inline constexpr UINT ILC_COLOR24 = 0x0018;
inline constexpr UINT ILC_COLOR32 = 0x0020;
inline constexpr UINT ILC_MIRROR = 0x2000;

inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;

inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;

// A list of |cx| x |cy| images; storage grows as needed, so |initial| and |grow| only matter
// to Windows. NULL with ERROR_INVALID_PARAMETER when a size is not positive.
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// A new list with the same size, flags and images (the background colour starts as CLR_NONE).
HIMAGELIST ImageList_Duplicate(HIMAGELIST list);

// Cuts |image| into width / cx images of cx x cy and appends them; answers the index of the
// first (the old count when the bitmap is narrower than one image), -1 on failure. In an
// ILC_COLOR32 list an image with an alpha channel keeps it; otherwise an image is opaque
// except where |mask| is white (used with ILC_MASK or ILC_COLOR32).
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// As ImageList_Add with a mask of the pixels of |maskColor| (CLR_DEFAULT: the colour of the
// top left pixel), which turn black in the image first, as Windows does.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
// Puts |icon|, scaled to the list's size, at |index|, or appends it when |index| is -1;
// answers the index used, -1 on failure.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
inline int ImageList_AddIcon(HIMAGELIST list, HICON icon) {
    return ImageList_ReplaceIcon(list, -1, icon);
}
// Removes image |index|, or every image for -1.
BOOL ImageList_Remove(HIMAGELIST list, int index);
inline BOOL ImageList_RemoveAll(HIMAGELIST list) {
    return ImageList_Remove(list, -1);
}

int ImageList_GetImageCount(HIMAGELIST list);
// Cuts the list to |count| images or pads it with transparent ones.
BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// A new icon showing image |index|; the caller destroys it. |flags| (ILD_*) change nothing:
// the image already carries its transparency.
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);

// The colour an icon is blended onto in a list with neither ILC_MASK nor ILC_COLOR32
// (CLR_NONE: COLOR_WINDOW). Answer the previous colour; CLR_NONE for an invalid list.
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);

namespace winport {

// The pixels of image |index| for drawing; null with the last error set on a bad list or index.
PixelImagePtr ImageListImagePixels(HIMAGELIST list, int index);
std::size_t LiveImageListCount();

}  // namespace winport
