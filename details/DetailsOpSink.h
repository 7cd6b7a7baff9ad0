// CDetailsOpSink: the details window's callback for its database operations. It turns every
// report into a result for the window's thread and hands it to the window there.
#pragma once

#include "details/DBOpSink.h"
#include "module/host/MIDBOpCallback.h"
#include "platform/com/ComObject.h"

class CUserDetailsDialog;

class CDetailsOpSink final : public MTDBOpSink, public winport::ComObject<MIDBOpCallback> {
public:
    static winport::ComPtr<CDetailsOpSink> Create(CUserDetailsDialog* dialog);

    // The dialog is going: results are dropped from now on. An operation that still holds
    // the sink keeps it alive, harmlessly, until it lets go.
    void Disconnect();

    HRESULT OnError(const DBOpErrorRecord* error) override;
    HRESULT OnDone() override;
    LRESULT OnResult(int code, DBOpResult* result) override;

private:
    explicit CDetailsOpSink(CUserDetailsDialog* dialog) : m_dialog(dialog) {}

    CUserDetailsDialog* m_dialog;
};
