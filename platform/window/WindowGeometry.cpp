#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowTree.h"

using winport::RequireWindowObject;
using winport::Window;

namespace {

POINT ScreenOrigin(const Window* window) {
    POINT origin;
    for (; window; window = window->parent) {
        origin.x += window->rect.left;
        origin.y += window->rect.top;
    }
    return origin;
}

// Applies a new rectangle and tells the window what changed, as WM_MOVE and WM_SIZE do.
void Reposition(Window& window, const RECT& rect) {
    const RECT old = window.rect;
    window.rect = rect;
    const HWND hwnd = window.handle;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (old.left != rect.left || old.top != rect.top) {
        SendMessage(hwnd, WM_MOVE, 0,
                    MAKELPARAM(static_cast<WORD>(rect.left), static_cast<WORD>(rect.top)));
    }
    if (old.right - old.left != width || old.bottom - old.top != height) {
        SendMessage(hwnd, WM_SIZE, 0,
                    MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
    }
}

}  // namespace

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
    Window* window = RequireWindowObject(hwnd, "MoveWindow");
    if (!window) return FALSE;
    Reposition(*window, RECT{x, y, x + width, y + height});
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* window = RequireWindowObject(hwnd, "SetWindowPos");
    if (!window) return FALSE;
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOP) {
            winport::WindowTree::Instance().BringToTop(window);
        } else if (insertAfter == HWND_BOTTOM) {
            winport::WindowTree::Instance().SendToBottom(window);
        }
    }
    RECT rect = window->rect;
    if (!(flags & SWP_NOMOVE)) {
        const LONG width = rect.right - rect.left;
        const LONG height = rect.bottom - rect.top;
        rect = RECT{x, y, x + width, y + height};
    }
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + cx;
        rect.bottom = rect.top + cy;
    }
    if (rect != window->rect) Reposition(*window, rect);
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    const Window* window = RequireWindowObject(hwnd, "GetWindowRect");
    if (!window || !rect) return FALSE;
    const POINT origin = ScreenOrigin(window->parent);
    *rect = window->rect;
    rect->left += origin.x;
    rect->right += origin.x;
    rect->top += origin.y;
    rect->bottom += origin.y;
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    const Window* window = RequireWindowObject(hwnd, "GetClientRect");
    if (!window || !rect) return FALSE;
    *rect =
        RECT{0, 0, window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    const Window* window = RequireWindowObject(hwnd, "ClientToScreen");
    if (!window || !point) return FALSE;
    const POINT origin = ScreenOrigin(window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    const Window* window = RequireWindowObject(hwnd, "ScreenToClient");
    if (!window || !point) return FALSE;
    const POINT origin = ScreenOrigin(window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT offset;
    if (from) {
        const Window* window = RequireWindowObject(from, "MapWindowPoints");
        if (!window) return 0;
        const POINT origin = ScreenOrigin(window);
        offset.x += origin.x;
        offset.y += origin.y;
    }
    if (to) {
        const Window* window = RequireWindowObject(to, "MapWindowPoints");
        if (!window) return 0;
        const POINT origin = ScreenOrigin(window);
        offset.x -= origin.x;
        offset.y -= origin.y;
    }
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += offset.x;
        points[i].y += offset.y;
    }
    return MAKELONG(static_cast<WORD>(offset.x), static_cast<WORD>(offset.y));
}

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL) {
    return hwnd == nullptr || RequireWindowObject(hwnd, "InvalidateRect") != nullptr;
}

BOOL UpdateWindow(HWND hwnd) {
    return RequireWindowObject(hwnd, "UpdateWindow") != nullptr;
}
