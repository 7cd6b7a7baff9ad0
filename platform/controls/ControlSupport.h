// What every system control shares: telling its parent, reading its own style and decoding the
// mouse position of a message.
#pragma once

#include "platform/core/CommonControls.h"
#include "platform/core/WinTypes.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

// Sends WM_COMMAND (control id, |code|) with the control's handle to its parent, as every system
// control notifies. Answers whether the control still exists afterwards: the parent's handler may
// have destroyed it, and then nothing more may be sent on its behalf.
bool NotifyParent(HWND control, WORD code);

// Whether |text| points at characters: neither null nor the callback marker.
inline bool IsText(const char* text) {
    return text && text != LPSTR_TEXTCALLBACK;
}

DWORD WindowStyle(HWND hwnd);
void SetWindowStyle(HWND hwnd, DWORD style);

// Mouse input reaches only enabled windows. No input system sits in front of the controls here,
// so each control applies that rule itself.
bool AcceptsMouse(HWND control);

// The client point of a mouse message, and whether it lies inside the window's client area.
POINT PointFromLParam(LPARAM lParam);
bool ClientContains(HWND hwnd, POINT point);

// The class procedure object of a live window on the calling thread, or null.
WindowProcedure* ClassProcedureOf(HWND hwnd);

// Sets the last error of |caller| for |hwnd|, which is no window or no |kind| of control ("an
// edit"): what a look-up of a control's state answers then.
void FailControlLookup(HWND hwnd, const char* caller, const char* kind);

// The control object of class |Control| behind |hwnd|; null, with the last error set, when
// |hwnd| is no window or no such control.
template <class Control>
Control* ControlBehind(HWND hwnd, const char* caller, const char* kind) {
    auto* control = dynamic_cast<Control*>(ClassProcedureOf(hwnd));
    if (!control) FailControlLookup(hwnd, caller, kind);
    return control;
}

}  // namespace winport
