// Pressing an up-down arrow as a person does: a click on the upper or lower half (the right or
// left half of a horizontal one).
#include "platform/automation/Agent.h"
#include "platform/controls/UpDownApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {

bool Agent::PressSpinArrow(HWND upDown, SpinArrow arrow) {
    if (!CanReach(upDown)) return false;
    RECT client;
    GetClientRect(upDown, &client);
    const bool up = arrow == SpinArrow::Up;
    POINT point{client.right / 2, up ? client.bottom / 4 : client.bottom - 1 - client.bottom / 4};
    if (GetWindowLongPtr(upDown, GWL_STYLE) & UDS_HORZ) {
        point =
            POINT{up ? client.right - 1 - client.right / 4 : client.right / 4, client.bottom / 2};
    }
    const LPARAM position = MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
    PostMessage(upDown, WM_LBUTTONDOWN, MK_LBUTTON, position);
    PostMessage(upDown, WM_LBUTTONUP, 0, position);
    PumpMessages();
    return true;
}

}  // namespace winport
