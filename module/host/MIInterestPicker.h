// Lets the owner pick an interest category and keywords; created in-process from
// kHostDialogsClsid (HostIds.h).
#pragma once

#include "platform/com/Unknown.h"

class MIInterestPicker : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{C748F300-6A47-11D3-BCF0-0050048EBC8A}");

    // |category| and |keywords| go in and come out; |keywords| is task-allocator memory that
    // the picker may replace with its own and the caller frees. |result| 1: the user accepted.
    virtual HRESULT Pick(HWND parent, LONG* category, char** keywords, LONG* result) = 0;
};
