// Messages a host sends to a details window of the module. The framework's labels for the
// closing button (BCM_LABELDONE, BCM_LABELCANCEL) are accepted as well.
#pragma once

#include "platform/core/WinMessages.h"

// Show another user: wParam is the host's BCUserInfo pointer (null: no user). Answers 1.
inline constexpr UINT NUVM_SHOWUSER = WM_USER + 0x26;
