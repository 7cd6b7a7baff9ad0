// One running directory operation as its worker and its operation handle share it: the wait
// standing for the service's latency, the one report to the callback, and End.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "client/directory/DirectoryWork.h"
#include "module/host/MIDBOpCallback.h"
#include "platform/com/ComPtr.h"

namespace nuvclient {

class DirectoryJob {
public:
    explicit DirectoryJob(winport::ComPtr<MIDBOpCallback> callback);
    DirectoryJob(const DirectoryJob&) = delete;
    DirectoryJob& operator=(const DirectoryJob&) = delete;

    // Worker: waits |latency| unless End comes first; true when the work should go on.
    bool Wait(std::chrono::milliseconds latency);
    // Worker: reports |outcome| through OnDone or OnError unless End came first, then drops
    // the callback.
    void Report(const DirectoryOutcome& outcome);
    // Worker: its last step, after which it touches the job no more.
    void MarkFinished() { m_finished.store(true, std::memory_order_release); }
    bool Finished() const { return m_finished.load(std::memory_order_acquire); }

    // Any thread: after it returns the callback is not called again and no reference to it is
    // held. It waits for a report in progress, except one on its own thread (End called from
    // within the callback). Calling it again does nothing more.
    void End();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_ended = false;
    bool m_reporting = false;
    std::thread::id m_reporter;
    winport::ComPtr<MIDBOpCallback> m_callback;
    std::atomic<bool> m_finished{false};
};

}  // namespace nuvclient
