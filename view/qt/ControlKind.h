// Which Qt widget draws a platform window: the kind follows from the window's class and style.
#pragma once

#include "platform/core/WinTypes.h"

namespace nuvview {

enum class ControlKind {
    Container,   // dialogs, pages and windows of unknown classes: a plain widget
    Label,       // static text
    Picture,     // static icon or bitmap
    Etched,      // static etched line or frame
    PushButton,  // push button, default push button and owner-drawn button
    CheckBox,
    RadioButton,
    GroupBox,
    LineEdit,  // single-line edit
    TextArea,  // multi-line edit
    ComboBox,  // the three kinds; its own edit is part of it
    ListBox,
    ListView,
    TreeView,
    TabControl,
    UpDown,
    RichText,
    Animation,
    NotShown,  // tool tips: Qt shows its own
};

ControlKind ClassifyWindow(HWND hwnd);

// Whether the widget of |kind| draws the window's children itself (a combo box's edit).
bool DrawsOwnChildren(ControlKind kind);

}  // namespace nuvview
