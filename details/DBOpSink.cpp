#include "details/DBOpSink.h"

#include <algorithm>

#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace {

constexpr char kSinkClass[] = "MTDBOpSink";

}  // namespace

MTDBOpSink::MTDBOpSink() {
    m_window.CreateEx(0, winport::PlainWindowClass(kSinkClass), "MTDBOpSink", 0, RECT{0, 0, 0, 0},
                      nullptr, 0);
}

MTDBOpSink::~MTDBOpSink() {
    Close();
}

void MTDBOpSink::Post(int code, std::unique_ptr<DBOpResult> result) {
    if (!result) result = std::make_unique<DBOpResult>();
    std::lock_guard lock(m_mutex);
    if (m_closed || !m_window.GetSafeHwnd()) return;
    DBOpResult* posted = result.get();
    m_pending.push_back(std::move(result));
    if (!::PostMessage(m_window.GetSafeHwnd(), kDBOpResultMessage, static_cast<WPARAM>(code),
                       reinterpret_cast<LPARAM>(posted))) {
        m_pending.pop_back();
    }
}

void MTDBOpSink::Flush() {
    std::lock_guard lock(m_mutex);
    FlushLocked();
}

void MTDBOpSink::FlushLocked() {
    if (const HWND window = m_window.GetSafeHwnd()) {
        MSG queued{};
        while (::PeekMessage(&queued, window, kDBOpResultMessage, kDBOpResultMessage, PM_REMOVE)) {
        }
    }
    m_pending.clear();
}

void MTDBOpSink::Close() {
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        FlushLocked();
    }
    if (m_window.GetSafeHwnd()) m_window.DestroyWindow();
}

size_t MTDBOpSink::PendingCount() {
    std::lock_guard lock(m_mutex);
    return m_pending.size();
}

LRESULT MTDBOpSink::HandlePosted(WPARAM code, LPARAM posted) {
    std::unique_ptr<DBOpResult> result;
    {
        std::lock_guard lock(m_mutex);
        const auto found = std::find_if(
            m_pending.begin(), m_pending.end(),
            [&](const auto& pending) { return reinterpret_cast<LPARAM>(pending.get()) == posted; });
        if (found == m_pending.end()) return 0;
        result = std::move(*found);
        m_pending.erase(found);
    }
    return OnResult(static_cast<int>(code), result.get());
}

std::optional<LRESULT> MTDBOpSink::CSinkWindow::OnMessage(const winport::Message& m) {
    if (m.id == kDBOpResultMessage) return m_sink.HandlePosted(m.wParam, m.lParam);
    return CWnd::OnMessage(m);
}
