// Implemented by a details window for the tab provider: outside components add tabs through it.
#pragma once

#include "module/host/MIExternalPage.h"
#include "platform/com/Unknown.h"
#include "platform/text/WideChar.h"

class MIPageSite : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{FE234908-51C6-4AE8-8FED-71EC105DBAF5}");

    // Adds a tab carrying |page|; a null page is ignored. |reserved| is not read.
    virtual HRESULT AddPage(LPCOLESTR caption, HICON icon, MIExternalPage* page,
                            DWORD reserved) = 0;
};
