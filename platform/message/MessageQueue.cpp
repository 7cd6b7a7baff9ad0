#include "platform/message/MessageQueue.h"

#include <algorithm>

#include "platform/core/WinMessages.h"
#include "platform/window/Window.h"

namespace winport {
namespace {

bool IsDescendant(HWND ancestor, HWND hwnd) {
    const Window* window = FindWindowObject(hwnd);
    for (; window; window = window->parent) {
        if (window->handle == ancestor) return true;
    }
    return false;
}

}  // namespace

const std::shared_ptr<MessageQueue>& MessageQueue::Current() {
    thread_local const std::shared_ptr<MessageQueue> queue = std::make_shared<MessageQueue>();
    return queue;
}

void MessageQueue::Post(const MSG& msg) {
    {
        std::lock_guard lock(m_mutex);
        m_incoming.push_back(msg);
    }
    m_posted.notify_one();
    if (InputWaiter* waiter = m_waiter.load()) waiter->Wake();
}

void MessageQueue::PostQuit(int exitCode) {
    {
        std::lock_guard lock(m_mutex);
        m_quitPosted = true;
        m_quitCode = exitCode;
    }
    m_posted.notify_one();
    if (InputWaiter* waiter = m_waiter.load()) waiter->Wake();
}

void MessageQueue::TakeIncoming() {
    std::lock_guard lock(m_mutex);
    if (m_incoming.empty()) return;
    if (m_ready.empty()) {
        m_ready.swap(m_incoming);
    } else {
        std::move(m_incoming.begin(), m_incoming.end(), std::back_inserter(m_ready));
        m_incoming.clear();
    }
}

bool MessageQueue::Matches(const MSG& msg, const MessageFilter& filter) const {
    if (filter.first != 0 || filter.last != 0) {
        if (msg.message < filter.first || msg.message > filter.last) return false;
    }
    if (filter.hwnd == reinterpret_cast<HWND>(-1)) return msg.hwnd == nullptr;
    if (filter.hwnd == nullptr || msg.hwnd == filter.hwnd) return true;
    return msg.hwnd != nullptr && IsDescendant(filter.hwnd, msg.hwnd);
}

bool MessageQueue::Peek(MSG& out, const MessageFilter& filter, bool remove) {
    TakeIncoming();
    const auto found = std::find_if(m_ready.begin(), m_ready.end(),
                                    [&](const MSG& msg) { return Matches(msg, filter); });
    if (found != m_ready.end()) {
        out = *found;
        if (remove) m_ready.erase(found);
        return true;
    }
    // WM_QUIT comes once the queue holds nothing else, as Windows delivers it.
    std::unique_lock lock(m_mutex);
    const bool wantsQuit = (filter.first == 0 && filter.last == 0) ||
                           (WM_QUIT >= filter.first && WM_QUIT <= filter.last);
    if (m_quitPosted && wantsQuit && m_incoming.empty()) {
        out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(m_quitCode), 0, 0, {}};
        if (remove) m_quitPosted = false;
        return true;
    }
    lock.unlock();
    return TakeDueTimer(out, filter, remove);
}

bool MessageQueue::TakeDueTimer(MSG& out, const MessageFilter& filter, bool remove) {
    const TimerClock::time_point now = TimerClock::now();
    Timer* first = nullptr;
    for (Timer& timer : m_timers) {
        const MSG msg{timer.hwnd, WM_TIMER, timer.id, 0, 0, {}};
        if (timer.due <= now && Matches(msg, filter) && (!first || timer.due < first->due))
            first = &timer;
    }
    if (!first) return false;
    out = MSG{first->hwnd, WM_TIMER, first->id, 0, 0, {}};
    if (remove) first->due = now + first->interval;
    return true;
}

void MessageQueue::Wait() {
    const std::optional<TimerClock::time_point> due = NextTimerDue();
    if (InputWaiter* waiter = m_waiter.load()) {
        waiter->WaitForInput(due);
        return;
    }
    std::unique_lock lock(m_mutex);
    const auto posted = [this] { return !m_incoming.empty() || m_quitPosted; };
    if (due) {
        m_posted.wait_until(lock, *due, posted);
    } else {
        m_posted.wait(lock, posted);
    }
}

void MessageQueue::SetTimer(HWND hwnd, UINT_PTR id, std::chrono::milliseconds interval) {
    const TimerClock::time_point due = TimerClock::now() + interval;
    for (Timer& timer : m_timers) {
        if (timer.hwnd == hwnd && timer.id == id) {
            timer = Timer{hwnd, id, interval, due};
            return;
        }
    }
    m_timers.push_back(Timer{hwnd, id, interval, due});
}

bool MessageQueue::KillTimer(HWND hwnd, UINT_PTR id) {
    return std::erase_if(m_timers, [&](const Timer& timer) {
               return timer.hwnd == hwnd && timer.id == id;
           }) > 0;
}

void MessageQueue::KillTimers(HWND hwnd) {
    std::erase_if(m_timers, [hwnd](const Timer& timer) { return timer.hwnd == hwnd; });
}

std::optional<TimerClock::time_point> MessageQueue::NextTimerDue() const {
    std::optional<TimerClock::time_point> first;
    for (const Timer& timer : m_timers) {
        if (!first || timer.due < *first) first = timer.due;
    }
    return first;
}

bool MessageQueue::RemoveForWindow(HWND hwnd) {
    TakeIncoming();
    return std::erase_if(m_ready, [hwnd](const MSG& msg) { return msg.hwnd == hwnd; }) > 0;
}

void MessageQueue::Remove(HWND hwnd, UINT first, UINT last) {
    TakeIncoming();
    std::erase_if(m_ready, [&](const MSG& msg) {
        return msg.hwnd == hwnd && msg.message >= first && msg.message <= last;
    });
}

void MessageQueue::SetInputWaiter(InputWaiter* waiter) {
    m_waiter = waiter;
}

size_t MessageQueue::Size() {
    TakeIncoming();
    return m_ready.size();
}

}  // namespace winport
