// Calling a window's procedure: the subclass if there is one, else the class procedure.
#pragma once

#include "platform/window/Window.h"

namespace winport {

LRESULT CallWindow(Window& window, UINT msg, WPARAM wParam, LPARAM lParam);

// Focus bookkeeping the tree needs when windows disappear or are hidden or disabled.
void DropFocusWithin(const Window& window);
// Makes the top-level window |root| the active one, with WM_ACTIVATE to both windows, without
// moving the focus into it: a window shown comes to the front so.
void BringToFront(HWND root);

}  // namespace winport
