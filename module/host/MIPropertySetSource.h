// Answered by a user object: its record in one of the two views (HostIds.h).
#pragma once

#include "module/host/MINUVPropertySet.h"
#include "platform/com/Unknown.h"

class MIPropertySetSource : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{0FA80051-C84E-4AF4-843D-9E011BCE5AA1}");

    // |viewName| is a view id in registry text form, with braces. The caller releases |set|.
    virtual HRESULT GetPropertySet(const char* viewName, MINUVPropertySet** set) = 0;
};
