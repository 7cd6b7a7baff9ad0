// Image lists made from the bitmaps of the resource chain.
#pragma once

#include "platform/gdi/ImageList.h"

// A new 32-bit image list cut from bitmap resource |bitmapId| into |count| images of equal
// width, such as the zodiac list (bitmap 1056, 13 images); the caller destroys it. Null with
// the last error set when the bitmap is missing or its width is not |count| equal images.
HIMAGELIST CreateImageList(int bitmapId, int count);
