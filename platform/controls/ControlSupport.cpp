#include "platform/controls/ControlSupport.h"

#include <string>

#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/window/Window.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {

bool NotifyParent(HWND control, WORD code) {
    const HWND parent = GetParent(control);
    if (parent) {
        const auto id = static_cast<WORD>(GetDlgCtrlID(control));
        SendMessage(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
    }
    return IsWindow(control) != FALSE;
}

DWORD WindowStyle(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
}

void SetWindowStyle(HWND hwnd, DWORD style) {
    SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style));
}

bool AcceptsMouse(HWND control) {
    return IsWindowEnabled(control) != FALSE;
}

POINT PointFromLParam(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

bool ClientContains(HWND hwnd, POINT point) {
    RECT client;
    if (!GetClientRect(hwnd, &client)) return false;
    return point.x >= client.left && point.x < client.right && point.y >= client.top &&
           point.y < client.bottom;
}

WindowProcedure* ClassProcedureOf(HWND hwnd) {
    const Window* window = FindWindowObject(hwnd);
    return window ? window->classProcedure.get() : nullptr;
}

void FailControlLookup(HWND hwnd, const char* caller, const char* kind) {
    if (!IsWindow(hwnd)) {
        SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE,
                         std::string(caller) + ": the handle is not a window");
        return;
    }
    SetLastErrorText(ERROR_INVALID_PARAMETER, std::string(caller) + ": the window is a \"" +
                                                  GetClassNameOf(hwnd) + "\", not " + kind);
}

}  // namespace winport
