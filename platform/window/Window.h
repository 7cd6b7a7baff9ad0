// The state of one window in the tree. Only the platform's own code touches it; callers use
// handles and the Windows functions.
#pragma once

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class MessageQueue;

struct Window {
    HWND handle = nullptr;
    std::string className;
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    RECT rect;  // In the parent's client coordinates; the screen's for a top-level window.
    Window* parent = nullptr;
    Window* owner = nullptr;
    std::vector<std::unique_ptr<Window>> children;  // In z-order: the first is on top.
    std::unique_ptr<WindowProcedure> classProcedure;
    WindowProcedure* subclass = nullptr;       // A framework object that sees messages first.
    std::unique_ptr<WindowProcedure> wrapper;  // A framework object made for a bare handle.
    HFONT font = nullptr;
    LONG_PTR userData = 0;
    std::shared_ptr<MessageQueue> queue;  // The creating thread's; fixed for the window's life.
    std::thread::id thread;               // The creating thread.
    bool destroying = false;

    bool IsChild() const { return (style & WS_CHILD_BIT) != 0; }
    bool OnCurrentThread() const { return thread == std::this_thread::get_id(); }

private:
    static constexpr DWORD WS_CHILD_BIT = 0x40000000;
};

// The live window behind a handle, or null for a destroyed or invented one. Valid only on the
// window's own thread.
Window* FindWindowObject(HWND hwnd);
// As FindWindowObject, but sets the last error to ERROR_INVALID_WINDOW_HANDLE naming the handle.
Window* RequireWindowObject(HWND hwnd, const char* caller);

}  // namespace winport
