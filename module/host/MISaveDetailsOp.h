// Uploads the owner's details to the directory. Created through
// MIHostServices::CreateHostObject with kIid as the class id.
#pragma once

#include "module/host/MIDBOpCallback.h"
#include "module/host/MIDBOperation.h"
#include "module/host/MIUserObject.h"
#include "platform/com/Unknown.h"

class MISaveDetailsOp : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{41250300-379E-11D3-BCD7-0050048EBC8D}");

    // |reserved| is 0. The caller releases |operation|.
    virtual HRESULT Start(MIUserObject* owner, DWORD reserved, MIDBOpCallback* callback,
                          MIDBOperation** operation) = 0;
};
