// Retrieves a contact's or an e-mail group's details from the directory into its record.
// Created through MIHostServices::CreateHostObject with kIid as the class id.
#pragma once

#include "module/host/MIDBOpCallback.h"
#include "module/host/MIDBOperation.h"
#include "module/host/MIUserObject.h"
#include "platform/com/Unknown.h"

class MIRetrieveDetailsOp : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{4062F230-379E-11D3-BCD7-0050048EBC8D}");

    // |reserved| is 0. The caller releases |operation|.
    virtual HRESULT Start(MIUserObject* user, MIDBOpCallback* callback, DWORD reserved,
                          MIDBOperation** operation) = 0;
};
