// Pictures of platform windows, drawn by the Qt view (with QT_QPA_PLATFORM=offscreen no display
// is needed). A QApplication must exist.
#pragma once

#include <QImage>
#include <QString>

#include "platform/core/WinTypes.h"

namespace nuvview {

// |window| and its visible descendants as the view draws them; a null image when |window| is
// not a window or there is no QApplication.
QImage RenderImage(HWND window);
// RenderImage saved as a PNG file; false when there was nothing to draw or the file could not
// be written.
bool RenderWindow(HWND window, const QString& pngFile);

}  // namespace nuvview
