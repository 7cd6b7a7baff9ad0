// The user32 resource loaders over the resource chain. The instance handle is ignored: every
// look-up walks the whole chain, as a framework's resource search does across its modules.
#pragma once

#include "platform/core/WinTypes.h"

// Resources are named by number only, so MAKEINTRESOURCE leaves the number as it is.
constexpr int MAKEINTRESOURCE(int id) {
    return id;
}

// Copies string |id|, cut to fit |maxCount| - 1 bytes on a character boundary, and a
// terminating zero; answers the bytes copied, 0 when the string is missing (the buffer is then
// empty) or the buffer is null or empty (ERROR_INVALID_PARAMETER).
int LoadString(HINSTANCE instance, UINT id, char* buffer, int maxCount);
// A new menu bar built from menu template |id|, each popup a submenu; the caller destroys it.
// Null with ERROR_RESOURCE_NAME_NOT_FOUND when no table has the template.
HMENU LoadMenu(HINSTANCE instance, int id);
// A new bitmap holding the pixels of bitmap resource |id|; the caller deletes it. Null with
// ERROR_RESOURCE_NAME_NOT_FOUND when no table has the bitmap.
HBITMAP LoadBitmap(HINSTANCE instance, int id);
