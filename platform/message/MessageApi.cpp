#include "platform/message/MessageApi.h"

#include "platform/core/LastError.h"
#include "platform/dialog/DialogApi.h"
#include "platform/window/HandleTable.h"
#include "platform/window/Window.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowDispatch.h"

using winport::MessageQueue;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    winport::Window* window = winport::RequireWindowObject(hwnd, "SendMessage");
    if (!window) return 0;
    if (!window->OnCurrentThread()) {
        winport::SetLastErrorText(
            ERROR_WINDOW_OF_OTHER_THREAD,
            "SendMessage: the window belongs to another thread; post instead");
        return 0;
    }
    return winport::CallWindow(*window, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const MSG message{hwnd, msg, wParam, lParam, 0, {}};
    if (!hwnd) {
        MessageQueue::Current()->Post(message);
        return TRUE;
    }
    const bool posted = winport::HandleTable::Instance().WithQueueOf(
        hwnd, [&](MessageQueue& queue) { queue.Post(message); });
    if (!posted) {
        winport::SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE,
                                  "PostMessage: the handle is not a window");
        return FALSE;
    }
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    MessageQueue::Current()->PostQuit(exitCode);
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT removeFlags) {
    if (!msg) return FALSE;
    return MessageQueue::Current()->Peek(*msg, {hwnd, first, last}, (removeFlags & PM_REMOVE) != 0)
               ? TRUE
               : FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last) {
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (hwnd && hwnd != reinterpret_cast<HWND>(-1) && !IsWindow(hwnd)) {
        winport::SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE,
                                  "GetMessage: filter is not a window");
        return -1;
    }
    const auto& queue = MessageQueue::Current();
    while (!queue->Peek(*msg, {hwnd, first, last}, true)) queue->Wait();
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg || !msg->hwnd) return 0;
    winport::Window* window = winport::FindWindowObject(msg->hwnd);
    if (!window) return 0;  // The window went away after the message was posted.
    return winport::CallWindow(*window, msg->message, msg->wParam, msg->lParam);
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN) return FALSE;
    WPARAM character = 0;
    switch (msg->wParam) {
        case VK_BACK: character = 0x08; break;
        case VK_TAB: character = 0x09; break;
        case VK_RETURN: character = 0x0D; break;
        case VK_ESCAPE: character = 0x1B; break;
        case VK_SPACE: character = ' '; break;
        default:
            // Ctrl with a letter types its control character (Ctrl+A is 0x01).
            if (msg->wParam < 'A' || msg->wParam > 'Z' || GetKeyState(VK_CONTROL) >= 0)
                return FALSE;
            character = msg->wParam - 'A' + 1;
    }
    return PostMessage(msg->hwnd, WM_CHAR, character, msg->lParam);
}

void winport::SetInputWaiter(InputWaiter* waiter) {
    MessageQueue::Current()->SetInputWaiter(waiter);
}
