// The host's dialogs component, class kHostDialogsClsid: the questions the module puts to the
// owner through the host: MISaveConfirmation and MIInterestPicker.
#pragma once

#include "client/host/HostDialogTemplates.h"
#include "client/host/HostValues.h"
#include "module/host/MIInterestPicker.h"
#include "module/host/MISaveConfirmation.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"

namespace nuvclient {

class HostDialogs final : public winport::ComObject<MISaveConfirmation, MIInterestPicker>,
                          private LiveHostObjects {
public:
    // Runs the confirmation dialog modally over |parent| (null: over the active window) with
    // |firstText| as the question and |secondText| as its explanation (null reads as empty).
    // S_OK with |answer| 1 for Yes, 0 for No, Escape or closing; E_POINTER for a null |answer|;
    // E_INVALIDARG (and 0) when |parent| is not a window; E_FAIL (and 0) when the dialog cannot
    // be made. |owner| is not read: the caption is the dialog's own.
    HRESULT Confirm(HWND parent, MIUserObject* owner, LPCOLESTR firstText, LPCOLESTR secondText,
                    int* answer) override;
    // Runs the interest picker modally over |parent| on |category| and |keywords| (task memory;
    // null reads as empty). S_OK with |result| 1 on OK, and then the choice in |category| and
    // |keywords| (the old text freed, the new one task memory); |result| 0 and nothing changed
    // on Cancel. E_POINTER for a null |category|, |keywords| or |result|; E_INVALIDARG when
    // |parent| is not a window; E_FAIL when the dialog cannot be made; E_OUTOFMEMORY.
    HRESULT Pick(HWND parent, LONG* category, char** keywords, LONG* result) override;
};

// Registers HostDialogs for CoCreateInstance, and puts the dialog templates into the resource
// chain, for as long as it lives.
class HostDialogsClass {
public:
    // Throws std::runtime_error naming what failed, also when another host registered the class.
    HostDialogsClass();

private:
    HostDialogTemplates m_templates;
    winport::ScopedComClass m_class;
};

}  // namespace nuvclient
