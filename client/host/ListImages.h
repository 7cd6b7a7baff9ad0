// The pictures the client's data lists carry: a list's row 0 names its strip in the text field
// "imagelist", and the list hands out an image list made from it.
#pragma once

#include <string_view>

#include "platform/gdi/ImageList.h"

namespace nuvclient {

// A new 16 x 16, 32-bit image list of the strip named |name| ("interest icons"); the caller
// destroys it. Null for a name the client has no strip for, or when the list cannot be made.
HIMAGELIST CreateListImages(std::string_view name);

}  // namespace nuvclient
