// An owner-drawn list box's rows as its parent draws them, painted by Qt.
#pragma once

#include <QFont>
#include <QPixmap>

#include "platform/core/WinTypes.h"

namespace nuvview {

// Row |index| of |listBox| as drawn on the platform, in |base| where it draws in the list's
// font; a null pixmap for a row the list does not draw.
QPixmap DrawnListBoxRow(HWND listBox, int index, const QFont& base);

}  // namespace nuvview
