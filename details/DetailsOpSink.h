// CDetailsOpSink: the details window's callback for its database operations. It turns every
// report into a result for the window's thread and hands it to the window's operations there.
#pragma once

#include "details/DBOpSink.h"
#include "module/host/MIDBOpCallback.h"
#include "platform/com/ComObject.h"

class CDetailsOperations;

class CDetailsOpSink final : public MTDBOpSink, public winport::ComObject<MIDBOpCallback> {
public:
    static winport::ComPtr<CDetailsOpSink> Create(CDetailsOperations* operations);

    // The operations are going: results are dropped from now on. An operation that still holds
    // the sink keeps it alive, harmlessly, until it lets go.
    void Disconnect();

    HRESULT OnError(const DBOpErrorRecord* error) override;
    HRESULT OnDone() override;
    LRESULT OnResult(int code, DBOpResult* result) override;

private:
    explicit CDetailsOpSink(CDetailsOperations* operations) : m_operations(operations) {}

    CDetailsOperations* m_operations;
};
