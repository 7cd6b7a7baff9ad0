// The directory operations as the module creates them by class id, and the operation handle
// their Start gives out.
#pragma once

#include <memory>

#include "client/directory/DirectoryJob.h"
#include "client/directory/DirectoryService.h"
#include "client/host/HostValues.h"
#include "module/host/MIRetrieveDetailsOp.h"
#include "module/host/MISaveDetailsOp.h"
#include "module/host/MIUpdateDetailsOp.h"
#include "platform/com/ComObject.h"

namespace nuvclient {

// Releasing the handle without End lets the operation run on and report.
class DirectoryOperation final : public winport::ComObject<MIDBOperation>, private LiveHostObjects {
public:
    explicit DirectoryOperation(std::shared_ptr<DirectoryJob> job) : m_job(std::move(job)) {}
    HRESULT End() override;

private:
    std::shared_ptr<DirectoryJob> m_job;
};

// Each borrows |service|; the service outlives the objects it hands out.
class RetrieveDetailsOp final : public winport::ComObject<MIRetrieveDetailsOp>,
                                private LiveHostObjects {
public:
    explicit RetrieveDetailsOp(DirectoryService& service) : m_service(service) {}
    HRESULT Start(MIUserObject* user, MIDBOpCallback* callback, DWORD reserved,
                  MIDBOperation** operation) override;

private:
    DirectoryService& m_service;
};

class SaveDetailsOp final : public winport::ComObject<MISaveDetailsOp>, private LiveHostObjects {
public:
    explicit SaveDetailsOp(DirectoryService& service) : m_service(service) {}
    HRESULT Start(MIUserObject* owner, DWORD reserved, MIDBOpCallback* callback,
                  MIDBOperation** operation) override;

private:
    DirectoryService& m_service;
};

class UpdateDetailsOp final : public winport::ComObject<MIUpdateDetailsOp>,
                              private LiveHostObjects {
public:
    explicit UpdateDetailsOp(DirectoryService& service) : m_service(service) {}
    HRESULT Start(MIUserObject* owner, MIDBOpCallback* callback,
                  MIDBOperation** operation) override;

private:
    DirectoryService& m_service;
};

}  // namespace nuvclient
