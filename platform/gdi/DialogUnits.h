// Dialog base units and the conversion of dialog units to pixels.
#pragma once

#include "platform/core/WinTypes.h"

// The system font's base units: LOWORD the average character width, HIWORD the height
// (8 x 16 at 96 dpi).
LONG GetDialogBaseUnits();

namespace winport {

// The base units of a dialog drawn with |font| (NULL: the system font): cx the average
// character width, cy the character cell height; 6 x 13 for 8 point "MS Shell Dlg" at 96 dpi.
// A zero SIZE with ERROR_INVALID_HANDLE when |font| is not a font.
SIZE DialogBaseUnits(HFONT font);

// Maps each edge as MapDialogRect does: x * cx / 4 and y * cy / 8, rounded by MulDiv.
RECT DialogUnitsToPixels(RECT dialogUnits, SIZE baseUnits);

// The pixel rectangle of a template item at (x, y) of size (cx, cy) in dialog units. The dialog
// manager maps the origin and the size separately, so the right and bottom edges can differ by
// one from DialogUnitsToPixels of the same rectangle.
RECT DialogItemToPixels(int x, int y, int cx, int cy, SIZE baseUnits);

}  // namespace winport
