#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/text/TextCopy.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowDispatch.h"

using winport::RequireWindowObject;
using winport::Window;

namespace {

LRESULT CopyText(const std::string& text, WPARAM maxCount, LPARAM buffer) {
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out || maxCount == 0) return 0;
    return winport::CopyTextToBuffer(text, out, static_cast<int>(maxCount));
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* window = RequireWindowObject(hwnd, "DefWindowProc");
    if (!window) return 0;
    switch (msg) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
            if (create && create->lpszName) window->text = create->lpszName;
            return TRUE;
        }
        case WM_SETTEXT: {
            const auto* text = reinterpret_cast<const char*>(lParam);
            window->text = text ? text : "";
            return TRUE;
        }
        case WM_GETTEXT: return CopyText(window->text, wParam, lParam);
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window->text.size());
        case WM_SETFONT: window->font = reinterpret_cast<HFONT>(wParam); return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(window->font);
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_RBUTTONUP: {
            // Releasing the right button asks for a context menu at the screen point.
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &point);
            SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                        MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
            return 0;
        }
        case WM_CONTEXTMENU:
            // An unhandled context menu request goes up to the parent.
            if (window->parent) {
                return SendMessage(window->parent->handle, WM_CONTEXTMENU, wParam, lParam);
            }
            return 0;
        default: return 0;
    }
}

BOOL SetWindowText(HWND hwnd, const char* text) {
    if (!RequireWindowObject(hwnd, "SetWindowText")) return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != 0;
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
    if (buffer && maxCount > 0) buffer[0] = '\0';
    if (!RequireWindowObject(hwnd, "GetWindowText") || !buffer || maxCount <= 0) return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                        reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    if (!RequireWindowObject(hwnd, "GetWindowTextLength")) return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

std::string winport::GetWindowTextUtf8(HWND hwnd) {
    const int length = GetWindowTextLength(hwnd);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowText(hwnd, text.data(), length + 1)));
    return text;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    const Window* window = RequireWindowObject(hwnd, "GetWindowLongPtr");
    if (!window) return 0;
    switch (index) {
        case GWL_STYLE: return static_cast<LONG_PTR>(window->style);
        case GWL_EXSTYLE: return static_cast<LONG_PTR>(window->exStyle);
        case GWL_ID: return window->id;
        case GWLP_USERDATA: return window->userData;
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(window->parent  ? window->parent->handle
                                              : window->owner ? window->owner->handle
                                                              : nullptr);
        default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* window = RequireWindowObject(hwnd, "SetWindowLongPtr");
    if (!window) return 0;
    switch (index) {
        case GWL_STYLE: return std::exchange(window->style, static_cast<DWORD>(value));
        case GWL_EXSTYLE: return std::exchange(window->exStyle, static_cast<DWORD>(value));
        case GWL_ID: return std::exchange(window->id, static_cast<int>(value));
        case GWLP_USERDATA: return std::exchange(window->userData, value);
        default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
    }
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* window = RequireWindowObject(hwnd, "EnableWindow");
    if (!window) return FALSE;
    const bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        window->style &= ~WS_DISABLED;
        SendMessage(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        window->style |= WS_DISABLED;
        // A disabled window cannot keep the focus.
        if (GetFocus() == hwnd) SetFocus(nullptr);
        SendMessage(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const Window* window = RequireWindowObject(hwnd, "IsWindowEnabled");
    return window && !(window->style & WS_DISABLED);
}

BOOL ShowWindow(HWND hwnd, int command) {
    Window* window = RequireWindowObject(hwnd, "ShowWindow");
    if (!window) return FALSE;
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (show != wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (Window* live = winport::FindWindowObject(hwnd)) {
            if (show) {
                live->style |= WS_VISIBLE;
                // A top-level window shown comes to the front, unless the command says not.
                if (!live->parent && command != SW_SHOWNOACTIVATE && command != SW_SHOWNA &&
                    command != SW_MINIMIZE) {
                    winport::BringToFront(hwnd);
                }
            } else {
                live->style &= ~WS_VISIBLE;
                // Hiding the focus window (or its ancestor) gives the focus to the parent.
                const HWND focus = GetFocus();
                if (focus == hwnd || IsChild(hwnd, focus)) {
                    SetFocus(live->parent ? live->parent->handle : nullptr);
                }
            }
        }
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    const Window* window = winport::FindWindowObject(hwnd);
    if (!window) return FALSE;
    for (; window; window = window->parent) {
        if (!(window->style & WS_VISIBLE)) return FALSE;
    }
    return TRUE;
}
