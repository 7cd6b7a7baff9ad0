// The posted-message queue of one user-interface thread. Any thread may post; only the owning
// thread takes messages out.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

using TimerClock = std::chrono::steady_clock;

// Lets a real view run its own event loop while a thread waits for a posted message.
class InputWaiter {
public:
    virtual ~InputWaiter() = default;
    // Waits for input (the view's events or a posted message) and returns by |until|, when a
    // timer is then due; may return early.
    virtual void WaitForInput(std::optional<TimerClock::time_point> until) = 0;
    // Called from any thread after a message has been posted.
    virtual void Wake() = 0;
};

struct MessageFilter {
    HWND hwnd = nullptr;  // Null: any message; (HWND)-1: thread messages only.
    UINT first = 0;
    UINT last = 0;  // 0 and 0: every message number.
};

class MessageQueue {
public:
    // The calling thread's queue, made on first use.
    static const std::shared_ptr<MessageQueue>& Current();

    void Post(const MSG& msg);
    void PostQuit(int exitCode);
    // Takes (or, without |remove|, copies) the first message that passes |filter|.
    bool Peek(MSG& out, const MessageFilter& filter, bool remove);
    // Blocks until a message has been posted since the last Peek or a timer falls due.
    void Wait();
    // Timers of the owning thread's windows: WM_TIMER comes, once however many intervals have
    // passed, when no posted message passes the filter. Setting an existing |id| of |hwnd|
    // restarts it with the new interval.
    void SetTimer(HWND hwnd, UINT_PTR id, std::chrono::milliseconds interval);
    bool KillTimer(HWND hwnd, UINT_PTR id);
    void KillTimers(HWND hwnd);
    std::optional<TimerClock::time_point> NextTimerDue() const;
    // Drops every queued message for |hwnd|; true when any was dropped.
    bool RemoveForWindow(HWND hwnd);
    // Drops queued messages for |hwnd| with numbers in [first, last].
    void Remove(HWND hwnd, UINT first, UINT last);
    void SetInputWaiter(InputWaiter* waiter);
    InputWaiter* GetInputWaiter() const { return m_waiter.load(); }
    size_t Size();

private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        std::chrono::milliseconds interval;
        TimerClock::time_point due;
    };

    bool Matches(const MSG& msg, const MessageFilter& filter) const;
    void TakeIncoming();
    // The WM_TIMER of the timer due first that passes |filter|; with |remove| it starts over.
    bool TakeDueTimer(MSG& out, const MessageFilter& filter, bool remove);

    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<MSG> m_incoming;   // Guarded by m_mutex.
    bool m_quitPosted = false;    // Guarded by m_mutex.
    int m_quitCode = 0;           // Guarded by m_mutex.
    std::deque<MSG> m_ready;      // The owning thread's alone.
    std::vector<Timer> m_timers;  // The owning thread's alone.
    std::atomic<InputWaiter*> m_waiter{nullptr};
};

}  // namespace winport
