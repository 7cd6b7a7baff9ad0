// Refreshes the owner's details from the directory into his record. Created through
// MIHostServices::CreateHostObject with kIid as the class id.
#pragma once

#include "module/host/MIDBOpCallback.h"
#include "module/host/MIDBOperation.h"
#include "module/host/MIUserObject.h"
#include "platform/com/Unknown.h"

class MIUpdateDetailsOp : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{4025D2B0-379E-11D3-BCD7-0050048EBC8D}");

    // The caller releases |operation|.
    virtual HRESULT Start(MIUserObject* owner, MIDBOpCallback* callback,
                          MIDBOperation** operation) = 0;
};
