#include "client/directory/DirectoryService.h"

#include <new>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "client/directory/DirectoryOperations.h"
#include "client/host/UserObject.h"

namespace nuvclient {
namespace {

std::optional<std::uint32_t> NumberOf(MIUserObject* user) {
    if (const auto* person = dynamic_cast<PersonObject*>(user)) return person->Number();
    if (const auto* group = dynamic_cast<EmailGroupObject*>(user)) return group->Number();
    return std::nullopt;
}

// Registers operation class |Op| under its interface's id.
template <class Op, class Interface>
std::unique_ptr<winport::ScopedComClass> Register(DirectoryService& service) {
    auto registration = std::make_unique<winport::ScopedComClass>(
        Interface::kIid, [&service](REFIID riid, void** ppv) -> HRESULT {
            try {
                return winport::MakeComObject<Op>(service)->QueryInterface(riid, ppv);
            } catch (const std::bad_alloc&) {
                return E_OUTOFMEMORY;
            }
        });
    if (!registration->Registered())
        throw std::runtime_error(
            "the directory operations are registered already: another host is running");
    return registration;
}

}  // namespace

DirectoryService::DirectoryService(DirectoryPlace place, DirectoryOptions options)
    : m_place(std::move(place)), m_options(std::move(options)) {
    m_classes.push_back(Register<RetrieveDetailsOp, MIRetrieveDetailsOp>(*this));
    m_classes.push_back(Register<SaveDetailsOp, MISaveDetailsOp>(*this));
    m_classes.push_back(Register<UpdateDetailsOp, MIUpdateDetailsOp>(*this));
}

DirectoryService::~DirectoryService() {
    m_classes.clear();
    std::vector<Worker> workers;
    {
        std::lock_guard lock(m_mutex);
        workers.swap(m_workers);
    }
    for (Worker& worker : workers) {
        worker.job->End();
        worker.thread.join();
    }
}

HRESULT DirectoryService::Start(Work work, MIUserObject* user, MIDBOpCallback* callback,
                                MIDBOperation** operation) {
    if (!operation) return E_POINTER;
    *operation = nullptr;
    if (!user || !callback) return E_POINTER;
    const std::optional<std::uint32_t> number = NumberOf(user);
    if (!number) return E_INVALIDARG;
    try {
        auto job = std::make_shared<DirectoryJob>(winport::ComPtr<MIDBOpCallback>(callback));
        auto handle = winport::MakeComObject<DirectoryOperation>(job);
        std::lock_guard lock(m_mutex);
        JoinFinished();
        // Room first: a thread once started must reach the list.
        m_workers.reserve(m_workers.size() + 1);
        std::thread thread([job, place = m_place, options = m_options, work, user = *number] {
            if (job->Wait(options.latency))
                job->Report(options.failure ? options.failure : work(place, user));
            job->MarkFinished();
        });
        m_workers.push_back({std::move(thread), std::move(job)});
        *operation = handle.Detach();
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::system_error&) {
        return E_OUTOFMEMORY;
    }
}

bool DirectoryService::Busy() {
    std::lock_guard lock(m_mutex);
    JoinFinished();
    return !m_workers.empty();
}

void DirectoryService::JoinFinished() {
    std::erase_if(m_workers, [](Worker& worker) {
        if (!worker.job->Finished()) return false;
        worker.thread.join();
        return true;
    });
}

}  // namespace nuvclient
