#include "view/qt/Render.h"

#include <QApplication>
#include <QPixmap>

#include "platform/window/WindowApi.h"
#include "view/qt/View.h"

namespace nuvview {

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
    return !image.isNull() && image.save(pngFile, "PNG");
}

}  // namespace nuvview
