// Calling a window's procedure: the subclass if there is one, else the class procedure.
#pragma once

#include "platform/window/Window.h"

namespace winport {

LRESULT CallWindow(Window& window, UINT msg, WPARAM wParam, LPARAM lParam);

// Focus bookkeeping the tree needs when windows disappear or are hidden or disabled.
void DropFocusWithin(const Window& window);

}  // namespace winport
