// A running database operation, handed out by the Start of MIRetrieveDetailsOp,
// MISaveDetailsOp and MIUpdateDetailsOp.
#pragma once

#include "platform/com/Unknown.h"

class MIDBOperation : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{F8B88F10-2C01-4C72-9EE6-1BC81545646D}");

    // Ends the operation; afterwards it calls its callback no more.
    virtual HRESULT End() = 0;
};
