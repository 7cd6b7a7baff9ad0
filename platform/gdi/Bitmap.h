// Bitmaps that carry their pixels, so a real view can draw them. GetObject describes one as a
// 32 bits per pixel BITMAP; DeleteObject frees it.
#pragma once

#include <cstdint>
#include <span>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PixelImage.h"

namespace winport {

// A bitmap of |width| x |height| holding a copy of |pixels| (BGRA, top-down). NULL with
// ERROR_INVALID_PARAMETER when the size is not positive or the pixel count does not match.
HBITMAP CreateBitmapFromPixels(LONG width, LONG height, std::span<const std::uint32_t> pixels);

// The pixels of |bitmap|; they stay valid after the bitmap is deleted. Null with
// ERROR_INVALID_HANDLE when |bitmap| is not a bitmap.
PixelImagePtr BitmapPixels(HBITMAP bitmap);

}  // namespace winport
