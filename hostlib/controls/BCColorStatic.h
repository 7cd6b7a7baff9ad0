// BCColorStatic: the host's label class. Pages subclass their labels with it; the platform's
// static control draws them, so the wrapper adds no behaviour of its own.
#pragma once

#include "platform/mfc/Wnd.h"

class BCColorStatic : public CWnd {};
