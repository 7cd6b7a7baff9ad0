// Painting without a screen: nothing is ever invalid here, so a caller that needs a window drawn
// (an owner-drawn control's parent drawing its items) asks for the paint itself.
#pragma once

#include "platform/core/WinTypes.h"

namespace winport {

// Paints |hwnd| and its visible descendants as a window's first paint does: each receives
// WM_PAINT (wParam 0, so it draws on a display context of its own), parent before children. A
// hidden window paints nothing. False with ERROR_INVALID_WINDOW_HANDLE for a bad handle.
bool PaintWindow(HWND hwnd);

}  // namespace winport
