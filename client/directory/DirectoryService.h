// The client's emulated directory service: registers the retrieve, save and update operations
// as in-process classes for as long as it lives, and runs each started operation on a worker
// thread of its own.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "client/directory/DirectoryJob.h"
#include "client/directory/DirectoryOptions.h"
#include "client/directory/DirectoryWork.h"
#include "module/host/MIDBOpCallback.h"
#include "module/host/MIDBOperation.h"
#include "module/host/MIUserObject.h"
#include "platform/com/ComRuntime.h"

namespace nuvclient {

class DirectoryService {
public:
    using Work = DirectoryOutcome (*)(const DirectoryPlace&, std::uint32_t);

    // Throws std::runtime_error when another service has the operations' classes registered.
    DirectoryService(DirectoryPlace place, DirectoryOptions options);
    // Revokes the classes, ends every operation still running and waits for its worker.
    ~DirectoryService();
    DirectoryService(const DirectoryService&) = delete;
    DirectoryService& operator=(const DirectoryService&) = delete;

    // Starts |work| for |user| (a user object of the client's store) on a worker thread that
    // reports to |callback|: S_OK and the operation handle for the caller to release, E_POINTER
    // for a null argument, E_INVALIDARG for a user object of no client user.
    HRESULT Start(Work work, MIUserObject* user, MIDBOpCallback* callback,
                  MIDBOperation** operation);
    // Whether an operation's worker is still to report or finish.
    bool Busy();
    // Where the operations find the store and the directory.
    const DirectoryPlace& Place() const { return m_place; }

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<DirectoryJob> job;
    };

    // Joins the workers that are done; called with m_mutex held.
    void JoinFinished();

    const DirectoryPlace m_place;
    const DirectoryOptions m_options;
    std::mutex m_mutex;
    std::vector<Worker> m_workers;
    // Last, so the classes are revoked before the workers are ended.
    std::vector<std::unique_ptr<winport::ScopedComClass>> m_classes;
};

}  // namespace nuvclient
