#include "platform/gdi/Bitmap.h"

#include <memory>

#include "platform/gdi/GdiObjectStore.h"
#include "platform/gdi/ObjectTable.h"

namespace winport {

HBITMAP CreateBitmapFromPixels(LONG width, LONG height, std::span<const std::uint32_t> pixels) {
    std::optional<PixelImage> image =
        MakePixelImage(width, height, pixels, "CreateBitmapFromPixels");
    if (!image) return nullptr;
    return static_cast<HBITMAP>(
        gdi::AddObject(std::make_shared<const PixelImage>(std::move(*image))));
}

PixelImagePtr BitmapPixels(HBITMAP bitmap) {
    std::optional<PixelImagePtr> image = gdi::FindObjectOf<PixelImagePtr>(bitmap);
    if (!image) {
        gdi::FailHandle(ERROR_INVALID_HANDLE, "BitmapPixels", bitmap, "a bitmap");
        return nullptr;
    }
    return *image;
}

}  // namespace winport
