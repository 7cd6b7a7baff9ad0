#include "platform/gdi/Icon.h"

#include "platform/core/LastError.h"
#include "platform/gdi/ObjectTable.h"

namespace {

using winport::PixelImagePtr;

winport::gdi::ObjectTable<PixelImagePtr>& Icons() {
    static winport::gdi::ObjectTable<PixelImagePtr> table(winport::gdi::HandleSpace::Icon);
    return table;
}

PixelImagePtr FindIcon(HICON icon, const char* function) {
    PixelImagePtr image = winport::gdi::FindIconImage(icon);
    if (!image) {
        winport::gdi::FailHandle(ERROR_INVALID_CURSOR_HANDLE, function, icon, "a live icon");
    }
    return image;
}

}  // namespace

BOOL DestroyIcon(HICON icon) {
    if (!Icons().Remove(icon)) {
        winport::gdi::FailHandle(ERROR_INVALID_CURSOR_HANDLE, "DestroyIcon", icon, "a live icon");
        return FALSE;
    }
    return TRUE;
}

HICON CopyIcon(HICON icon) {
    PixelImagePtr image = FindIcon(icon, "CopyIcon");
    return image ? winport::gdi::CreateIconFromImage(std::move(image)) : nullptr;
}

namespace winport {

HICON CreateIconFromPixels(LONG width, LONG height, std::span<const std::uint32_t> pixels) {
    std::optional<PixelImage> image = MakePixelImage(width, height, pixels, "CreateIconFromPixels");
    if (!image) return nullptr;
    return gdi::CreateIconFromImage(std::make_shared<const PixelImage>(std::move(*image)));
}

PixelImagePtr IconPixels(HICON icon) {
    return FindIcon(icon, "IconPixels");
}

std::size_t LiveIconCount() {
    return Icons().Count();
}

namespace gdi {

HICON CreateIconFromImage(PixelImagePtr image) {
    return Icons().Add<HICON>(std::move(image));
}

PixelImagePtr FindIconImage(HICON icon) {
    return Icons().Find(icon).value_or(nullptr);
}

}  // namespace gdi

}  // namespace winport
