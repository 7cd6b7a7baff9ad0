// A window procedure as an object: the class procedure of a window, or a framework object
// that subclasses it.
#pragma once

#include "platform/core/WinTypes.h"

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

namespace winport {

// One message as a window procedure receives it.
struct Message {
    HWND hwnd = nullptr;
    UINT id = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class WindowProcedure {
public:
    virtual ~WindowProcedure() = default;
    virtual LRESULT HandleMessage(const Message& m) = 0;
};

}  // namespace winport
