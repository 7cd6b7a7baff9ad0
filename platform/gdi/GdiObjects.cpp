#include "platform/gdi/GdiObjects.h"

#include <cstdlib>
#include <cstring>

#include "platform/core/LastError.h"
#include "platform/gdi/GdiObjectStore.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/StockObjects.h"

namespace {

using winport::gdi::GdiObject;

enum class ShortBuffer { CopyWhatFits, Refuse };

template <class T>
int CopyOut(const T& description, int size, void* buffer, ShortBuffer shortBuffer) {
    constexpr int kFull = static_cast<int>(sizeof(T));
    if (!buffer) return kFull;
    if (size <= 0) return 0;
    if (size < kFull && shortBuffer == ShortBuffer::Refuse) return 0;
    const int copied = size < kFull ? size : kFull;
    std::memcpy(buffer, &description, static_cast<std::size_t>(copied));
    return copied;
}

BITMAP DescribeBitmap(const winport::PixelImagePtr& image) {
    BITMAP bitmap;
    bitmap.bmWidth = image->width;
    bitmap.bmHeight = image->height;
    bitmap.bmWidthBytes = image->width * 4;
    bitmap.bmPlanes = 1;
    bitmap.bmBitsPixel = 32;
    return bitmap;
}

struct Describe {
    int size;
    void* buffer;

    int operator()(const LOGFONT& font) const {
        return CopyOut(font, size, buffer, ShortBuffer::CopyWhatFits);
    }
    int operator()(const LOGBRUSH& brush) const {
        return CopyOut(brush, size, buffer, ShortBuffer::CopyWhatFits);
    }
    int operator()(const LOGPEN& pen) const {
        return CopyOut(pen, size, buffer, ShortBuffer::Refuse);
    }
    int operator()(const winport::PixelImagePtr& image) const {
        return CopyOut(DescribeBitmap(image), size, buffer, ShortBuffer::Refuse);
    }
    int operator()(const winport::gdi::ScreenDc&) const { return 0; }
};

struct TypeOf {
    DWORD operator()(const LOGPEN&) const { return OBJ_PEN; }
    DWORD operator()(const LOGBRUSH&) const { return OBJ_BRUSH; }
    DWORD operator()(const LOGFONT&) const { return OBJ_FONT; }
    DWORD operator()(const winport::PixelImagePtr&) const { return OBJ_BITMAP; }
    DWORD operator()(const winport::gdi::ScreenDc&) const { return OBJ_DC; }
};

}  // namespace

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(winport::gdi::AddObject(LOGBRUSH{BS_SOLID, color, 0}));
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style == PS_NULL) return static_cast<HPEN>(GetStockObject(NULL_PEN));
    if (style < PS_SOLID || style > PS_INSIDEFRAME) style = PS_SOLID;
    const LOGPEN pen{static_cast<UINT>(style), {std::abs(width), 0}, color};
    return static_cast<HPEN>(winport::gdi::AddObject(pen));
}

BOOL DeleteObject(HGDIOBJ object) {
    using namespace winport::gdi;
    if (!object) return FALSE;
    if (IsSystemObject(object)) return TRUE;
    std::optional<GdiObject> found = FindObject(object);
    if (found && std::holds_alternative<ScreenDc>(*found)) {
        FailHandle(ERROR_INVALID_HANDLE, "DeleteObject", object,
                   "a pen, brush, font or bitmap (release a display context with ReleaseDC)");
        return FALSE;
    }
    if (!found || !RemoveObject(object)) {
        FailHandle(ERROR_INVALID_HANDLE, "DeleteObject", object, "a live GDI object");
        return FALSE;
    }
    return TRUE;
}

int GetObject(HGDIOBJ object, int size, void* buffer) {
    std::optional<GdiObject> found = winport::gdi::FindObject(object);
    if (!found) {
        winport::gdi::FailHandle(ERROR_INVALID_HANDLE, "GetObject", object, "a live GDI object");
        return 0;
    }
    return std::visit(Describe{size, buffer}, *found);
}

DWORD GetObjectType(HGDIOBJ object) {
    std::optional<GdiObject> found = winport::gdi::FindObject(object);
    if (!found) {
        winport::gdi::FailHandle(ERROR_INVALID_HANDLE, "GetObjectType", object,
                                 "a live GDI object");
        return 0;
    }
    return std::visit(TypeOf{}, *found);
}

namespace winport {

std::size_t LiveGdiObjectCount() {
    return gdi::CreatedObjectCount();
}

}  // namespace winport
