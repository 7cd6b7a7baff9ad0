// Asks the owner to confirm an upload; created in-process from kHostDialogsClsid (HostIds.h).
#pragma once

#include "module/host/MIUserObject.h"
#include "platform/com/Unknown.h"
#include "platform/text/WideChar.h"

class MISaveConfirmation : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{5FD4D15E-7F33-11D3-BCC6-0004AC96AB1F}");

    // Shows |firstText| and |secondText| over |parent|; |answer| 1 means confirmed.
    virtual HRESULT Confirm(HWND parent, MIUserObject* owner, LPCOLESTR firstText,
                            LPCOLESTR secondText, int* answer) = 0;
};
