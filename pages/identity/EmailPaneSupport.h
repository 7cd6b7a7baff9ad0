// What the two e-mail panes share besides the list: their plain messages and their buttons'
// enabling, which never leaves the keyboard focus on a button that has just been disabled.
#pragma once

#include "platform/core/WinTypes.h"

// A message box with an OK button, no icon and the application's title as caption.
void ShowPlainEmailMessage(HWND owner, const char* text);

// Enables or disables button |id| of |pane|; a disabled button that had the focus hands it to
// |list|, so the person can go on from the keyboard.
void EnableEmailPaneButton(HWND pane, HWND list, int id, bool enable);
