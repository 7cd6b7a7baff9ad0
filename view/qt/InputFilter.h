// What a person does on the view's widgets, handed to the platform through the automation
// agent: keys go to the platform's focus window, focus follows, closing a window asks the
// window to close, moving or sizing one tells the platform, resting the mouse shows the
// platform's tool tip. Clicks, picks and
// selections come from the widgets' own signals (Widgets.cpp).
#pragma once

#include <QHelpEvent>
#include <QObject>

namespace nuvview {

class View;

class InputFilter final : public QObject {
public:
    explicit InputFilter(View& view) : m_view(view) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ShowToolTip(QObject* watched, QHelpEvent* help);

    View& m_view;
};

}  // namespace nuvview
