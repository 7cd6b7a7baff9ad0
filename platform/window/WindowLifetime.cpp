#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/window/DispatchScope.h"
#include "platform/window/HandleTable.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"
#include "platform/window/WindowDispatch.h"
#include "platform/window/WindowTree.h"

namespace winport {
namespace {

std::string HandleText(HWND hwnd) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%p", static_cast<void*>(hwnd));
    return buffer;
}

bool OnOwnThread(const Window& window, const char* caller) {
    if (window.OnCurrentThread()) return true;
    SetLastErrorText(ERROR_WINDOW_OF_OTHER_THREAD, std::string(caller) + ": window " +
                                                       HandleText(window.handle) +
                                                       " belongs to another thread");
    return false;
}

// Sends WM_DESTROY to the window, then to its children, parent before children.
void SendDestroy(Window& window) {
    const HWND hwnd = window.handle;
    CallWindow(window, WM_DESTROY, 0, 0);
    for (HWND child : ChildWindows(hwnd)) {
        if (Window* live = FindWindowObject(child)) SendDestroy(*live);
    }
}

// Frees the children first, then the window; each gets WM_NCDESTROY just before its handle dies.
// Children go with their parent, so only the window the caller destroys leaves its parent's list.
void FreeWindow(Window& window, bool unlink) {
    for (HWND child : ChildWindows(window.handle)) {
        if (Window* live = FindWindowObject(child)) FreeWindow(*live, false);
    }
    for (auto& child : window.children) BuryWindow(std::move(child));
    window.children.clear();
    CallWindow(window, WM_NCDESTROY, 0, 0);
    HandleTable::Instance().Remove(window.handle);
    window.queue->RemoveForWindow(window.handle);
    window.queue->KillTimers(window.handle);
    if (unlink) BuryWindow(WindowTree::Instance().Unlink(&window));
}

void DestroyOwnedWindows(const Window& owner) {
    for (Window* window : WindowTree::Instance().TopLevels()) {
        if (window->owner == &owner && !window->destroying) DestroyWindow(window->handle);
    }
}

// WM_PARENTNOTIFY for a child created or destroyed, unless the child asks for none.
void NotifyParent(const Window& child, UINT event) {
    if (!child.parent || (child.exStyle & WS_EX_NOPARENTNOTIFY)) return;
    SendMessage(child.parent->handle, WM_PARENTNOTIFY,
                MAKEWPARAM(static_cast<WORD>(event), static_cast<WORD>(child.id)),
                reinterpret_cast<LPARAM>(child.handle));
}

void MarkDestroying(Window& window) {
    window.destroying = true;
    for (auto& child : window.children) MarkDestroying(*child);
}

}  // namespace

Window* FindWindowObject(HWND hwnd) {
    return HandleTable::Instance().Find(hwnd);
}

Window* RequireWindowObject(HWND hwnd, const char* caller) {
    Window* window = FindWindowObject(hwnd);
    if (!window) {
        SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE,
                         std::string(caller) + ": " + HandleText(hwnd) + " is not a window");
    }
    return window;
}

LRESULT CallWindow(Window& window, UINT msg, WPARAM wParam, LPARAM lParam) {
    DispatchScope scope;
    WindowProcedure* procedure = window.subclass ? window.subclass : window.classProcedure.get();
    return procedure->HandleMessage(Message{window.handle, msg, wParam, lParam});
}

HWND CreateWindowWithSubclass(DWORD exStyle, const char* className, const char* windowName,
                              DWORD style, const RECT& rect, HWND parent, int id,
                              WindowProcedure* subclass, void* param) {
    if (!className) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "CreateWindowEx: no class name");
        return nullptr;
    }
    Window* parentWindow = nullptr;
    if (parent) {
        parentWindow = RequireWindowObject(parent, "CreateWindowEx (parent)");
        if (!parentWindow || !OnOwnThread(*parentWindow, "CreateWindowEx")) return nullptr;
    } else if (style & WS_CHILD) {
        SetLastErrorText(1406, "CreateWindowEx: a child window needs a parent");
        return nullptr;
    }

    auto owned = std::make_unique<Window>();
    Window* window = owned.get();
    window->style = style;
    window->exStyle = exStyle;
    window->rect = rect;
    window->queue = MessageQueue::Current();
    window->thread = std::this_thread::get_id();
    if (style & WS_CHILD) {
        window->parent = parentWindow;
        window->id = id;
    } else {
        // As on Windows: a child given as the owner stands for its top-level window, so the
        // owned window goes when that one does.
        Window* owner = parentWindow;
        while (owner && owner->parent) owner = owner->parent;
        window->owner = owner;
    }
    window->handle = HandleTable::Instance().Add(window);
    if (!window->handle) {
        SetLastErrorText(ERROR_NOT_ENOUGH_MEMORY, "CreateWindowEx: no window handles left");
        return nullptr;
    }
    window->classProcedure = MakeClassProcedure(className, window->handle, &window->className);
    if (!window->classProcedure) {
        const std::string error = GetLastErrorText();
        HandleTable::Instance().Remove(window->handle);
        SetLastErrorText(ERROR_CANNOT_FIND_WND_CLASS, "CreateWindowEx: " + error);
        return nullptr;
    }
    window->subclass = subclass;
    const HWND hwnd = window->handle;
    WindowTree::Instance().Link(std::move(owned));

    CREATESTRUCT create;
    create.lpCreateParams = param;
    create.hwndParent = parent;
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.right - rect.left;
    create.cy = rect.bottom - rect.top;
    create.style = static_cast<LONG>(style);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;
    create.hMenu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    const auto createParam = reinterpret_cast<LPARAM>(&create);
    if (!SendMessage(hwnd, WM_NCCREATE, 0, createParam) ||
        SendMessage(hwnd, WM_CREATE, 0, createParam) == -1) {
        const std::string name = window->className;
        DestroyWindow(hwnd);
        SetLastErrorText(ERROR_INVALID_DATA,
                         "CreateWindowEx: the \"" + name + "\" window refused its creation");
        return nullptr;
    }
    if (!IsWindow(hwnd)) return nullptr;
    if (window->parent) {
        NotifyParent(*window, WM_CREATE);
    } else if (style & WS_VISIBLE) {
        BringToFront(hwnd);  // A top-level window made visible comes to the front.
    }
    return IsWindow(hwnd) ? hwnd : nullptr;
}

LRESULT CallClassProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* window = RequireWindowObject(hwnd, "CallClassProcedure");
    if (!window) return 0;
    DispatchScope scope;
    return window->classProcedure->HandleMessage(Message{hwnd, msg, wParam, lParam});
}

WindowProcedure* GetSubclass(HWND hwnd) {
    const Window* window = FindWindowObject(hwnd);
    return window ? window->subclass : nullptr;
}

WindowProcedure* SetSubclass(HWND hwnd, WindowProcedure* subclass) {
    Window* window = RequireWindowObject(hwnd, "SetSubclass");
    if (!window) return nullptr;
    return std::exchange(window->subclass, subclass);
}

WindowProcedure* GetWrapper(HWND hwnd) {
    const Window* window = FindWindowObject(hwnd);
    return window ? window->wrapper.get() : nullptr;
}

void SetWrapper(HWND hwnd, std::unique_ptr<WindowProcedure> wrapper) {
    if (Window* window = RequireWindowObject(hwnd, "SetWrapper")) {
        window->wrapper = std::move(wrapper);
    }
}

size_t LiveWindowCount() {
    return HandleTable::Instance().LiveCount();
}

}  // namespace winport

using winport::Window;

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE,
                    void* param) {
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;
    const RECT rect{x, y, x + width, y + height};
    const int id = (style & WS_CHILD) ? static_cast<int>(reinterpret_cast<INT_PTR>(menuOrId)) : 0;
    return winport::CreateWindowWithSubclass(exStyle, className, windowName, style, rect, parent,
                                             id, nullptr, param);
}

BOOL DestroyWindow(HWND hwnd) {
    Window* window = winport::RequireWindowObject(hwnd, "DestroyWindow");
    if (!window || !winport::OnOwnThread(*window, "DestroyWindow")) return FALSE;
    if (window->destroying) return TRUE;
    winport::DispatchScope scope;  // Keeps |window| alive until this function returns.
    if (window->parent) {
        winport::NotifyParent(*window, WM_DESTROY);
        // A child is hidden first, which gives the focus it holds to its parent.
        if (IsWindow(hwnd) && (window->style & WS_VISIBLE)) ShowWindow(hwnd, SW_HIDE);
        if (!IsWindow(hwnd) || window->destroying) return TRUE;
    } else if (GetActiveWindow() == hwnd && window->owner) {
        // The owner comes to the front in place of the window going.
        const HWND owner = window->owner->handle;
        if (IsWindowVisible(owner) && IsWindowEnabled(owner)) SetActiveWindow(owner);
        if (!IsWindow(hwnd) || window->destroying) return TRUE;
    }
    winport::DestroyOwnedWindows(*window);
    winport::MarkDestroying(*window);
    if (window->style & WS_VISIBLE) window->style &= ~WS_VISIBLE;
    winport::DropFocusWithin(*window);
    winport::SendDestroy(*window);
    winport::DropFocusWithin(*window);  // A WM_DESTROY handler may have moved the focus back.
    winport::FreeWindow(*window, true);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return winport::FindWindowObject(hwnd) != nullptr;
}

const winport::DescribesState* winport::FindStateDescription(HWND hwnd) {
    const Window* window = FindWindowObject(hwnd);
    return window ? dynamic_cast<const DescribesState*>(window->classProcedure.get()) : nullptr;
}
