#include "view/qt/Render.h"

#include <QApplication>
#include <QPixmap>

#include "platform/window/WindowApi.h"
#include "view/qt/View.h"

namespace nuvview {
namespace {

// Qt's PNG quality, which sets zlib's level: 80 is level 1. A window's flat colours compress
// almost as well as at the default level, in a fraction of the time.
constexpr int kPngQuality = 80;

}  // namespace

QImage RenderImage(HWND window) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || !IsWindow(window)) return {};
    View view(window);
    view.Sync();
    QWidget* widget = view.WidgetFor(window);
    if (!widget) return {};
    return widget->grab().toImage();
}

bool RenderWindow(HWND window, const QString& pngFile) {
    const QImage image = RenderImage(window);
    return !image.isNull() && image.save(pngFile, "PNG", kPngQuality);
}

}  // namespace nuvview
