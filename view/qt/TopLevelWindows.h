// The platform's top-level windows as the desktop shows them. A window the platform owns (a
// dialog, a notice) stays in front of its owner and opens centred on it; any other opens where
// the window manager puts it. From then on the platform's geometry follows the real window's:
// what the window manager or the person does to it is told to the platform as a move or a
// resize, and what the program does to the platform's window is shown. A window without a
// sizing border cannot be resized.
//
// A disabled top-level window (the owner of a modal dialog) is not greyed, as on Windows: it
// refuses the person's input instead, and a click on it brings its dialog to the front.
#pragma once

#include <QObject>
#include <QRect>
#include <QWidget>
#include <optional>

#include "platform/core/WinTypes.h"

namespace nuvview {

class View;

// The top-level window that owns top-level window |hwnd|, if any.
HWND TopLevelOwner(HWND hwnd);
// Makes |widget| the window of top-level |hwnd|, with the frame buttons its style asks for,
// kept in front of |owner| (its owner's widget) when it has one. Called once, before the widget
// first shows.
void PrepareTopLevel(HWND hwnd, QWidget* widget, QWidget* owner);
// The geometry of a top-level window as the view last saw it on both sides.
struct TopLevelGeometry {
    std::optional<RECT> platform;  // none until first shown
    QRect shown;                   // the widget's, in screen coordinates
    bool centring = false;         // kept centred on its owner until the owner is placed
};

enum class TopLevelSync {
    Same,      // nothing moved
    Placed,    // first shown: where it lands is told to the platform at a later sync
    Shown,     // the program moved or sized its window, and the widget follows
    Followed,  // the real window moved or was sized, and the platform follows
};

// Brings |widget| in line with the platform's window |hwnd|: its size policy always, then its
// geometry from whichever side changed since |known| (the platform's when both did). |owner|
// and |ownerKnown| are the owner's widget and geometry, when it has an owner.
TopLevelSync SyncTopLevelGeometry(HWND hwnd, QWidget* widget, TopLevelGeometry& known,
                                  const QWidget* owner, const TopLevelGeometry* ownerKnown);
// The platform's window rectangle matching where |widget| is on screen now.
RECT PlatformRectOf(HWND hwnd, const QWidget* widget);
// The enabled window in front of disabled |hwnd| (its dialog), null when there is none.
HWND EnabledPopupOf(HWND hwnd);

// Keeps the person's input from disabled top-level windows, application-wide.
class DisabledWindowGuard final : public QObject {
public:
    explicit DisabledWindowGuard(View& view) : m_view(view) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    View& m_view;
};

}  // namespace nuvview
