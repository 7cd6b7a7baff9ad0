// What the platform's controls draw themselves (an owner-drawn list's rows as their parent draws
// them, a control that paints its own window), painted by Qt.
#pragma once

#include <QFont>
#include <QPixmap>

#include "platform/core/WinTypes.h"

namespace nuvview {

// Row |index| of |listBox| as drawn on the platform, in |base| where it draws in the list's
// font; a null pixmap for a row the list does not draw.
QPixmap DrawnListBoxRow(HWND listBox, int index, const QFont& base);
// |hwnd|'s client area as its WM_PAINT draws it, with the window's font selected; a null pixmap
// when it draws nothing itself (a control the view draws with a Qt widget). Only a subclassed
// window is asked.
QPixmap DrawnWindow(HWND hwnd, const QFont& base);

}  // namespace nuvview
