#include "platform/controls/Paint.h"

#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

void PaintTree(HWND hwnd) {
    if (!IsWindowVisible(hwnd)) return;
    SendMessage(hwnd, WM_PAINT, 0, 0);
    // A paint handler may have destroyed windows; the child list is read afterwards.
    if (!IsWindow(hwnd)) return;
    for (const HWND child : ChildWindows(hwnd)) {
        if (IsWindow(child)) PaintTree(child);
    }
}

}  // namespace

bool PaintWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) {
        SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE, "PaintWindow: the handle is not a window");
        return false;
    }
    PaintTree(hwnd);
    return true;
}

}  // namespace winport
