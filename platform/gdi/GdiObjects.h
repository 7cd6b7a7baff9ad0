// Brushes and pens, and the calls that work on any GDI object: DeleteObject, GetObject,
// GetObjectType. Fonts and bitmaps are made in Font.h and Bitmap.h.
#pragma once

#include <cstddef>

#include "platform/gdi/GdiTypes.h"

HBRUSH CreateSolidBrush(COLORREF color);
// A simple pen. A negative width counts as its magnitude and an unknown style as PS_SOLID;
// PS_NULL answers the stock NULL_PEN, as Windows does.
HPEN CreatePen(int style, int width, COLORREF color);

// FALSE for NULL and for a handle that is not a live GDI object (ERROR_INVALID_HANDLE, except
// for NULL which sets nothing, as Windows). Stock objects and system colour brushes are
// never deleted, yet the call answers TRUE for them as Windows does.
BOOL DeleteObject(HGDIOBJ object);

// Copies the object's description (LOGFONT, LOGBRUSH, LOGPEN or BITMAP) into |buffer|. With a
// null buffer answers the size needed. A font or brush with a short buffer gets as many bytes
// as fit; a pen or bitmap with a short buffer gets nothing. 0 on failure.
int GetObject(HGDIOBJ object, int size, void* buffer);

// OBJ_PEN, OBJ_BRUSH, OBJ_DC, OBJ_FONT or OBJ_BITMAP; 0 with ERROR_INVALID_HANDLE otherwise.
DWORD GetObjectType(HGDIOBJ object);

namespace winport {

// Created objects and display contexts not yet deleted or released; stock objects do not count.
std::size_t LiveGdiObjectCount();

}  // namespace winport
