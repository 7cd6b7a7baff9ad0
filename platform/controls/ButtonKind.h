// A button's kind as a person tells it apart, whichever style spells it.
#pragma once

#include "platform/core/WinTypes.h"

namespace winport {

enum class ButtonKind { NotAButton, Push, CheckBox, Radio, GroupBox, OwnerDrawn };

// The kind of |hwnd|; NotAButton for a window of another class.
ButtonKind ButtonKindOf(HWND hwnd);

}  // namespace winport
