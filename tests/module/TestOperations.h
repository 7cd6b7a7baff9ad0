// The test host's database operations: each Start is recorded with the callback it was given,
// and the test reports through that callback when it likes. Their calls go to the host's log
// ("Start retrieve 1002", "End save", ...). How creation and Start answer can be set.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "TestHost.h"
#include "module/host/MIDBOpCallback.h"
#include "module/host/MIDBOperation.h"

namespace testhost {

struct StartedOperation {
    std::string kind;  // "retrieve", "save" or "update"
    int user = 0;      // 0: no user object was given
    // Held until the operation is ended, as a host's operation holds its callback.
    winport::ComPtr<MIDBOpCallback> callback;
    bool ended = false;
};

class TestOperations {
public:
    explicit TestOperations(CallLog log) : m_log(std::move(log)) {}

    // MIHostServices::CreateHostObject for an operation's class.
    HRESULT Create(REFCLSID clsid, IUnknown** object);

    // CreateHostObject answers this; a failure hands out nothing.
    HRESULT createResult = S_OK;
    // The object made refuses the operation's interface.
    bool refusesInterface = false;
    // Start answers this; a failure records nothing and hands out no operation.
    HRESULT startResult = S_OK;

    const std::vector<std::shared_ptr<StartedOperation>>& Started() const { return m_started; }
    StartedOperation& Last() { return *m_started.back(); }
    // Operations started and not ended.
    int Running() const;

    // Called by the operation objects.
    void Log(const std::string& call) { m_log->push_back(call); }
    HRESULT Start(const char* kind, MIUserObject* user, MIDBOpCallback* callback,
                  MIDBOperation** operation);

private:
    CallLog m_log;
    std::vector<std::shared_ptr<StartedOperation>> m_started;
};

}  // namespace testhost
