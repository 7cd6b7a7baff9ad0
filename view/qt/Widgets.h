// The Qt widget of each control kind: made once per window, then brought in line with the
// control's state on every sync.
#pragma once

#include <QWidget>

#include "platform/core/WinTypes.h"
#include "view/qt/ControlKind.h"

namespace nuvview {

class View;

// A new widget of |kind| for |hwnd| under |parent|, its input wired to |view|'s agent.
QWidget* CreateControlWidget(ControlKind kind, HWND hwnd, QWidget* parent, View& view);
// Shows the control's text, items, check mark, selection and images on |widget|. Changes no
// platform state and emits no input.
void UpdateControlWidget(ControlKind kind, HWND hwnd, QWidget* widget);

}  // namespace nuvview
