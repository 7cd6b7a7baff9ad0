// Owner-drawn host controls measure and draw their own items. The platform asks the control's
// parent (WM_MEASUREITEM, WM_DRAWITEM); framework dialogs reflect the request to the control's
// wrapper.
#pragma once

#include <optional>

#include "platform/controls/OwnerDraw.h"
#include "platform/core/WinMessages.h"
#include "platform/window/WindowProcedure.h"

class BCOwnerDrawControl {
public:
    virtual ~BCOwnerDrawControl() = default;
    virtual void MeasureItem(LPMEASUREITEMSTRUCT measure) = 0;
    virtual void DrawItem(LPDRAWITEMSTRUCT draw) = 0;
};

// Hands a WM_MEASUREITEM or WM_DRAWITEM that |parent| received to the wrapper of the control it
// names; TRUE when a host control took it, nothing when the message is not for one.
std::optional<LRESULT> ReflectOwnerDraw(HWND parent, const winport::Message& m);
