#include "TestOperations.h"

#include <algorithm>

#include "module/host/MIRetrieveDetailsOp.h"
#include "module/host/MISaveDetailsOp.h"
#include "module/host/MIUpdateDetailsOp.h"

namespace testhost {
namespace {

class TestOperation final : public winport::ComObject<MIDBOperation>, Counted {
public:
    TestOperation(TestOperations& operations, std::shared_ptr<StartedOperation> started)
        : m_operations(operations), m_started(std::move(started)) {}

    HRESULT End() override {
        m_operations.Log("End " + m_started->kind);
        m_started->ended = true;
        m_started->callback.Reset();
        return S_OK;
    }

private:
    TestOperations& m_operations;
    std::shared_ptr<StartedOperation> m_started;
};

// One object for the three operation classes; it answers the interface it was made for.
class TestOperationClass final
    : public winport::ComObject<MIRetrieveDetailsOp, MISaveDetailsOp, MIUpdateDetailsOp>,
      Counted {
public:
    TestOperationClass(TestOperations& operations, REFIID iid)
        : m_operations(operations), m_iid(iid) {}

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (object && riid != IUnknown::kIid && (riid != m_iid || m_operations.refusesInterface)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        return ComObject::QueryInterface(riid, object);
    }
    HRESULT Start(MIUserObject* user, MIDBOpCallback* callback, DWORD,
                  MIDBOperation** operation) override {
        return m_operations.Start("retrieve", user, callback, operation);
    }
    HRESULT Start(MIUserObject* owner, DWORD, MIDBOpCallback* callback,
                  MIDBOperation** operation) override {
        return m_operations.Start("save", owner, callback, operation);
    }
    HRESULT Start(MIUserObject* owner, MIDBOpCallback* callback,
                  MIDBOperation** operation) override {
        return m_operations.Start("update", owner, callback, operation);
    }

private:
    TestOperations& m_operations;
    IID m_iid;
};

}  // namespace

HRESULT TestOperations::Create(REFCLSID clsid, IUnknown** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (clsid != MIRetrieveDetailsOp::kIid && clsid != MISaveDetailsOp::kIid &&
        clsid != MIUpdateDetailsOp::kIid) {
        return REGDB_E_CLASSNOTREG;
    }
    if (FAILED(createResult)) return createResult;
    *object = winport::MakeComObject<TestOperationClass>(*this, clsid).Detach()->Unknown();
    return S_OK;
}

HRESULT TestOperations::Start(const char* kind, MIUserObject* user, MIDBOpCallback* callback,
                              MIDBOperation** operation) {
    auto* testUser = dynamic_cast<TestUser*>(user);
    const int number = testUser ? testUser->Number() : 0;
    Log(std::string("Start ") + kind + " " + std::to_string(number));
    if (!operation) return E_POINTER;
    *operation = nullptr;
    if (!callback) return E_POINTER;
    if (FAILED(startResult)) return startResult;
    auto started = std::make_shared<StartedOperation>(StartedOperation{kind, number, callback});
    m_started.push_back(started);
    *operation = winport::MakeComObject<TestOperation>(*this, std::move(started)).Detach();
    return S_OK;
}

int TestOperations::Running() const {
    return static_cast<int>(std::count_if(m_started.begin(), m_started.end(),
                                          [](const auto& started) { return !started->ended; }));
}

}  // namespace testhost
