#include "view/qt/DrawnPictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <variant>

#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListBoxState.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "view/qt/ControlState.h"

namespace nuvview {
namespace {

QColor QtColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

QRect QtRect(const RECT& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

Qt::Alignment Alignment(UINT format) {
    Qt::Alignment alignment = (format & DT_CENTER)  ? Qt::AlignHCenter
                              : (format & DT_RIGHT) ? Qt::AlignRight
                                                    : Qt::AlignLeft;
    if (!(format & DT_SINGLELINE)) return alignment | Qt::AlignTop;
    return alignment | ((format & DT_VCENTER)  ? Qt::AlignVCenter
                        : (format & DT_BOTTOM) ? Qt::AlignBottom
                                               : Qt::AlignTop);
}

void Paint(QPainter& painter, const winport::DrawnText& text, const QFont& base) {
    const QFont font = QtFont(text.font, base);
    const QRect rect = QtRect(text.rect);
    QString shown = QString::fromStdString(text.text);
    if (text.format & DT_END_ELLIPSIS)
        shown = QFontMetrics(font).elidedText(shown, Qt::ElideRight, rect.width());
    painter.setFont(font);
    if (text.opaque) {
        painter.fillRect(
            painter.boundingRect(rect, static_cast<int>(Alignment(text.format)), shown),
            QtColor(text.background));
    }
    painter.setPen(QtColor(text.color));
    painter.drawText(rect, static_cast<int>(Alignment(text.format)), shown);
}

// |shapes| painted over |area|, which becomes the pixmap's.
QPixmap Painted(const std::vector<winport::DrawnShape>& shapes, const RECT& area,
                const QFont& base) {
    QPixmap pixmap(std::max<int>(area.right - area.left, 1),
                   std::max<int>(area.bottom - area.top, 1));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.translate(-area.left, -area.top);
    for (const winport::DrawnShape& shape : shapes) {
        if (const auto* fill = std::get_if<winport::DrawnFill>(&shape)) {
            painter.fillRect(QtRect(fill->rect), QtColor(fill->color));
        } else if (const auto* image = std::get_if<winport::DrawnImage>(&shape)) {
            painter.drawPixmap(image->at.x, image->at.y,
                               ImageListPixmap(image->images, image->index));
        } else if (const auto* text = std::get_if<winport::DrawnText>(&shape)) {
            Paint(painter, *text, base);
        }
    }
    return pixmap;
}

}  // namespace

QPixmap DrawnListBoxRow(HWND listBox, int index, const QFont& base) {
    const auto shapes = winport::DrawListBoxRow(listBox, index);
    RECT row{};
    if (!shapes || SendMessage(listBox, LB_GETITEMRECT, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(&row)) == LB_ERR) {
        return {};
    }
    return Painted(*shapes, row, base);
}

QPixmap DrawnWindow(HWND hwnd, const QFont& base) {
    // Only a window whose class procedure is overridden can draw anything itself.
    if (!winport::GetSubclass(hwnd)) return {};
    const HDC dc = GetDC(hwnd);
    if (const auto font = reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0)))
        SelectObject(dc, font);
    winport::RecordDrawing(dc);
    SendMessage(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    const std::vector<winport::DrawnShape> shapes = winport::TakeDrawing(dc);
    ReleaseDC(hwnd, dc);
    if (shapes.empty()) return {};
    RECT client{};
    GetClientRect(hwnd, &client);
    return Painted(shapes, client, base);
}

}  // namespace nuvview
