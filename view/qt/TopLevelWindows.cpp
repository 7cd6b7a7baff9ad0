#include "view/qt/TopLevelWindows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "platform/core/WinStyles.h"
#include "platform/window/WindowApi.h"
#include "view/qt/ControlState.h"
#include "view/qt/View.h"

namespace nuvview {
namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

QSize ClientSize(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return {static_cast<int>(client.right), static_cast<int>(client.bottom)};
}

// A window without a sizing border keeps the size the platform gives it.
void SyncSizePolicy(HWND hwnd, QWidget* widget, QSize size) {
    if (WindowStyle(hwnd) & WS_THICKFRAME) {
        const QSize any(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (widget->minimumSize() != QSize(0, 0) || widget->maximumSize() != any) {
            widget->setMinimumSize(0, 0);
            widget->setMaximumSize(any);
        }
    } else if (widget->minimumSize() != size || widget->maximumSize() != size) {
        widget->setFixedSize(size);
    }
}

// Where a window of |size| opens centred on |owner|, kept on the owner's screen.
QPoint CentredOn(const QWidget* owner, QSize size) {
    const QRect frame = owner->frameGeometry();
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(frame.center());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        placed.moveLeft(
            std::max(room.left(), std::min(placed.left(), room.right() - size.width())));
        placed.moveTop(std::max(room.top(), std::min(placed.top(), room.bottom() - size.height())));
    }
    return placed.topLeft();
}

}  // namespace

HWND TopLevelOwner(HWND hwnd) {
    const HWND owner = GetWindow(hwnd, GW_OWNER);
    return owner ? GetAncestor(owner, GA_ROOT) : nullptr;
}

void PrepareTopLevel(HWND hwnd, QWidget* widget, QWidget* owner) {
    // The frame's buttons as the window's style asks for them.
    const DWORD style = WindowStyle(hwnd);
    Qt::WindowFlags flags = (owner ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    widget->setWindowFlags(flags);
    if (!owner) return;
    owner->winId();
    widget->winId();
    widget->windowHandle()->setTransientParent(owner->windowHandle());
}

TopLevelSync SyncTopLevelGeometry(HWND hwnd, QWidget* widget, TopLevelGeometry& known,
                                  const QWidget* owner, const TopLevelGeometry* ownerKnown) {
    const QSize size = ClientSize(hwnd);
    SyncSizePolicy(hwnd, widget, size);
    RECT platform{};
    GetWindowRect(hwnd, &platform);
    if (!known.platform) {
        // First shown: where the window manager puts it, or centred on its owner once the
        // owner is in its place.
        known.platform = platform;
        known.centring = owner != nullptr;
        widget->resize(size);
        if (!known.centring) return TopLevelSync::Placed;
    }
    if (known.centring) {
        if (!owner) {
            known.centring = false;
            return TopLevelSync::Placed;
        }
        if (!owner->isVisible()) return TopLevelSync::Same;
        widget->move(CentredOn(owner, size));
        // The owner is in its place once the window system shows it and the view has seen
        // where.
        const bool ownerPlaced = owner->windowHandle() && owner->windowHandle()->isExposed() &&
                                 ownerKnown && ownerKnown->shown.isValid();
        known.centring = !ownerPlaced;
        return TopLevelSync::Placed;
    }
    if (!SameRect(platform, *known.platform)) {
        // The program moved or sized its window.
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        known.platform = platform;
        known.shown = QRect(QPoint(origin.x, origin.y), size);
        widget->setGeometry(known.shown);
        return TopLevelSync::Shown;
    }
    if (!widget->isVisible() || widget->geometry() == known.shown) return TopLevelSync::Same;
    // The window manager or the person moved or sized the real window.
    known.shown = widget->geometry();
    const RECT real = PlatformRectOf(hwnd, widget);
    SetWindowPos(hwnd, nullptr, real.left, real.top, real.right - real.left, real.bottom - real.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(hwnd, &platform);
    known.platform = platform;
    return TopLevelSync::Followed;
}

RECT PlatformRectOf(HWND hwnd, const QWidget* widget) {
    RECT window{};
    GetWindowRect(hwnd, &window);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    const QSize client = ClientSize(hwnd);
    // The frame the platform draws around the client area keeps its thickness.
    const QRect real = widget->geometry();
    const LONG left = real.left() - (origin.x - window.left);
    const LONG top = real.top() - (origin.y - window.top);
    return {left, top, left + (window.right - window.left) + real.width() - client.width(),
            top + (window.bottom - window.top) + real.height() - client.height()};
}

HWND EnabledPopupOf(HWND hwnd) {
    for (HWND top : winport::TopLevelWindows()) {
        if (top == hwnd || !IsWindowVisible(top) || !IsWindowEnabled(top)) continue;
        for (HWND owner = GetWindow(top, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) {
            if (owner == hwnd) return top;
        }
    }
    return nullptr;
}

bool DisabledWindowGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Close:
        case QEvent::WindowActivate: break;
        default: return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    const HWND top = widget ? View::WindowOf(widget->window()) : nullptr;
    if (!top || !IsWindow(top) || IsWindowEnabled(top)) return false;
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::WindowActivate) {
        // Its dialog comes to the front instead, once the window system is done with this.
        QTimer::singleShot(0, this, [this, top] {
            const HWND popup = EnabledPopupOf(top);
            if (QWidget* front = popup ? m_view.WidgetFor(popup) : nullptr) {
                front->raise();
                front->activateWindow();
            }
        });
    }
    if (event->type() == QEvent::WindowActivate) return false;
    event->ignore();
    return true;
}

}  // namespace nuvview
