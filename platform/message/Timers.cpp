#include <algorithm>

#include "platform/core/LastError.h"
#include "platform/message/MessageQueue.h"
#include "platform/message/TimerApi.h"
#include "platform/window/Window.h"

namespace {

// The window's object when it is a window of the calling thread; null with the last error set.
winport::Window* OwnWindow(HWND hwnd, const char* caller) {
    winport::Window* window = winport::FindWindowObject(hwnd);
    if (!window) {
        winport::SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE,
                                  std::string(caller) + ": the handle is not a window");
        return nullptr;
    }
    if (!window->OnCurrentThread()) {
        winport::SetLastErrorText(ERROR_ACCESS_DENIED,
                                  std::string(caller) + ": the window belongs to another thread");
        return nullptr;
    }
    return window;
}

}  // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC procedure) {
    if (procedure) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "SetTimer: timer procedures are not supported");
        return 0;
    }
    winport::Window* window = OwnWindow(hwnd, "SetTimer");
    if (!window) return 0;
    const UINT interval = std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    window->queue->SetTimer(hwnd, id, std::chrono::milliseconds(interval));
    // Windows answers 1 for a window's timer whose id is 0.
    return id ? id : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    winport::Window* window = OwnWindow(hwnd, "KillTimer");
    if (!window) return FALSE;
    if (!window->queue->KillTimer(hwnd, id)) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "KillTimer: the window has no timer " + std::to_string(id));
        return FALSE;
    }
    return TRUE;
}

std::optional<std::chrono::steady_clock::time_point> winport::NextTimerDue() {
    return MessageQueue::Current()->NextTimerDue();
}
