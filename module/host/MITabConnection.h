// A details window's registration with the tab provider.
#pragma once

#include "platform/com/Unknown.h"

class MITabConnection : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{E1A10AF9-3548-499F-88E2-CF0C4B626082}");

    // Called after the window's pages have committed.
    virtual HRESULT PagesCommitted() = 0;
};
