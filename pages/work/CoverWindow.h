// A plain window laid over a control: the control stays in sight, but the mouse reaches the
// cover, which does nothing with it. Destroyed with its parent.
#pragma once

#include "platform/mfc/Wnd.h"

class CCoverWindow final : public CWnd {
public:
    // Creates the cover, visible and titled |title|, on |control|'s rectangle in |parent|, and
    // brings it above every sibling. FALSE when it could not be made.
    BOOL Cover(CWnd& parent, HWND control, const char* title);
};
