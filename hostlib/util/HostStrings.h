// Host strings by id, and message boxes made of them.
#pragma once

#include <string>

#include "platform/core/WinTypes.h"

// The framework's string id of the application's title, the caption of a box without one.
inline constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

// The string with |id| from the resource chain; empty when no table has it.
std::string BRCString(UINT id);

// A message box with the strings |textId| and |captionId| (0: the application's title) and
// the MB_* |style|, owned by |parent|; answers the button pressed.
int BResourceMessageBox(UINT textId, UINT captionId, UINT style, HWND parent);
