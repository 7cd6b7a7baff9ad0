// The host component that hands out the category data lists, created in-process from
// kDataListServiceClsid (HostIds.h).
#pragma once

#include "module/host/MINUVDataList.h"
#include "platform/com/Unknown.h"

class MIDataListService : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{B728D180-65E1-11D3-BCEF-0050048EBC8A}");

    // |name| is "occupation", "interest", "group", "pastbg" or "topic". The caller releases
    // |list|.
    virtual HRESULT GetList(const char* name, MINUVDataList** list) = 0;
};
