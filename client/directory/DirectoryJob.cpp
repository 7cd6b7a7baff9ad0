#include "client/directory/DirectoryJob.h"

#include <string>

#include "platform/text/Utf16.h"

namespace nuvclient {

DirectoryJob::DirectoryJob(winport::ComPtr<MIDBOpCallback> callback)
    : m_callback(std::move(callback)) {}

bool DirectoryJob::Wait(std::chrono::milliseconds latency) {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, latency, [this] { return m_ended; });
    return !m_ended;
}

void DirectoryJob::Report(const DirectoryOutcome& outcome) {
    winport::ComPtr<MIDBOpCallback> callback;
    {
        std::lock_guard lock(m_mutex);
        if (m_ended || !m_callback) return;
        m_reporting = true;
        m_reporter = std::this_thread::get_id();
        callback = m_callback;
    }
    if (outcome) {
        const std::u16string text = winport::Utf8ToUtf16(outcome->text);
        const DBOpErrorRecord error{0, outcome->code, text.c_str()};
        callback->OnError(&error);
    } else {
        callback->OnDone();
    }
    winport::ComPtr<MIDBOpCallback> dropped;
    {
        std::lock_guard lock(m_mutex);
        dropped = std::move(m_callback);
    }
    // Both references go before End may return.
    dropped.Reset();
    callback.Reset();
    {
        std::lock_guard lock(m_mutex);
        m_reporting = false;
        m_reporter = {};
    }
    m_changed.notify_all();
}

void DirectoryJob::End() {
    winport::ComPtr<MIDBOpCallback> dropped;
    {
        std::unique_lock lock(m_mutex);
        m_ended = true;
        m_changed.notify_all();
        if (m_reporter != std::this_thread::get_id())
            m_changed.wait(lock, [this] { return !m_reporting; });
        dropped = std::move(m_callback);
    }
}

}  // namespace nuvclient
