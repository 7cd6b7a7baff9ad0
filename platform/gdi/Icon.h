// Icons that carry their pixels. An icon is a window-manager object, not a GDI one: it is freed
// with DestroyIcon, and DeleteObject and GetObject do not know it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/core/WinTypes.h"
#include "platform/gdi/PixelImage.h"

// FALSE with ERROR_INVALID_CURSOR_HANDLE when |icon| is not a live icon.
BOOL DestroyIcon(HICON icon);
// A new icon with the same picture; the caller destroys it. NULL with
// ERROR_INVALID_CURSOR_HANDLE when |icon| is not a live icon.
HICON CopyIcon(HICON icon);

namespace winport {

// An icon of |width| x |height| from |pixels| (BGRA, top-down; alpha is the transparency).
// NULL with ERROR_INVALID_PARAMETER when the size is not positive or the count does not match.
HICON CreateIconFromPixels(LONG width, LONG height, std::span<const std::uint32_t> pixels);

// The pixels of |icon|; they stay valid after the icon is destroyed. Null with
// ERROR_INVALID_CURSOR_HANDLE when |icon| is not a live icon.
PixelImagePtr IconPixels(HICON icon);

std::size_t LiveIconCount();

namespace gdi {

// For image lists: an icon showing |image|, and the picture of an icon (null if not live),
// neither of which sets the last error.
HICON CreateIconFromImage(PixelImagePtr image);
PixelImagePtr FindIconImage(HICON icon);

}  // namespace gdi

}  // namespace winport
