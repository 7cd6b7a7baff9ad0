// Window timers: WM_TIMER for a window at a steady interval, made by its thread's queue when no
// posted message is waiting, as Windows makes it. Timers without a window and timer procedures
// are not provided; a null procedure is the only one taken.
#pragma once

#include <chrono>
#include <optional>

#include "platform/core/WinTypes.h"

inline constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;
inline constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

// Starts (or restarts) timer |id| of |hwnd|, a window of the calling thread, every |elapse| ms,
// held between USER_TIMER_MINIMUM and USER_TIMER_MAXIMUM; answers |id|, or 0 with the last error
// set. The timers of a window end with it.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC procedure);
// Ends timer |id| of |hwnd|; FALSE with the last error set when there is no such timer.
BOOL KillTimer(HWND hwnd, UINT_PTR id);

namespace winport {

// When the calling thread's first timer falls due; nullopt when it has none.
std::optional<std::chrono::steady_clock::time_point> NextTimerDue();

}  // namespace winport
