// The host's tab provider: registers a details window for tabs that outside components add.
#pragma once

#include "module/host/MIPageSite.h"
#include "module/host/MITabConnection.h"
#include "module/host/MIUserObject.h"
#include "platform/com/Unknown.h"

// Declares the operations the module uses; the host's interface may have others before them.
class MITabProvider : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{467240F7-44A8-4052-9BC7-ADD9B65059CE}");

    // The caller releases |connection|.
    virtual HRESULT RegisterContactPages(MIUserObject* user, MIPageSite* site,
                                         MITabConnection** connection) = 0;
    virtual HRESULT RegisterOwnerPages(MIUserObject* user, MIPageSite* site,
                                       MITabConnection** connection) = 0;
};
