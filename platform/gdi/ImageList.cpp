#include "platform/gdi/ImageList.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/core/LastError.h"
#include "platform/gdi/GdiObjectStore.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/ImageListPixels.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/SystemColors.h"

namespace {

using winport::PixelImage;
using winport::PixelImagePtr;
namespace gdi = winport::gdi;

struct ImageListData {
    LONG cx = 0;
    LONG cy = 0;
    UINT flags = 0;
    COLORREF background = CLR_NONE;
    std::vector<PixelImagePtr> images;

    bool IsColor32() const { return (flags & ILC_COLORDDB) == ILC_COLOR32; }
    bool HasMask() const { return (flags & ILC_MASK) != 0; }
    int Count() const { return static_cast<int>(images.size()); }
};

gdi::ObjectTable<ImageListData>& Lists() {
    static gdi::ObjectTable<ImageListData> table(gdi::HandleSpace::ImageList);
    return table;
}

// Runs |visit| on the list, or fails with ERROR_INVALID_HANDLE answering |failure|.
template <class Result, class Visit>
Result WithList(HIMAGELIST list, const char* function, Result failure, Visit&& visit) {
    auto result = Lists().With(list, visit);
    if (!result) {
        gdi::FailHandle(ERROR_INVALID_HANDLE, function, list, "a live image list");
        return failure;
    }
    return *result;
}

bool IndexIsValid(const ImageListData& list, int index, const char* function) {
    if (index >= 0 && index < list.Count()) return true;
    winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                              std::string(function) + ": no image " + std::to_string(index) +
                                  " in a list of " + std::to_string(list.Count()));
    return false;
}

PixelImagePtr FindBitmap(HBITMAP bitmap, const char* function) {
    std::optional<PixelImagePtr> image = gdi::FindObjectOf<PixelImagePtr>(bitmap);
    if (!image) {
        gdi::FailHandle(ERROR_INVALID_HANDLE, function, bitmap, "a bitmap");
        return nullptr;
    }
    return *image;
}

PixelImagePtr Share(PixelImage image) {
    return std::make_shared<const PixelImage>(std::move(image));
}

// One cx x cy piece of a bitmap as the list keeps it.
PixelImage FromBitmap(const ImageListData& list, PixelImage tile, const PixelImage* mask) {
    if (list.IsColor32() && gdi::HasAlpha(tile)) return tile;
    // Without an alpha channel an image is opaque except where its mask says otherwise.
    gdi::MakeOpaque(tile);
    if (mask && (list.IsColor32() || list.HasMask())) gdi::ApplyMask(tile, *mask);
    return tile;
}

PixelImage FromIcon(const ImageListData& list, const PixelImage& icon) {
    PixelImage image = gdi::ScaleImage(icon, list.cx, list.cy);
    if (!gdi::HasAlpha(image)) {
        gdi::MakeOpaque(image);
    } else if (list.HasMask() && !list.IsColor32()) {
        gdi::ThresholdAlpha(image);
    } else if (!list.IsColor32()) {
        gdi::CompositeOver(
            image, list.background != CLR_NONE ? list.background : GetSysColor(COLOR_WINDOW));
    }
    return image;
}

int AddStrip(HIMAGELIST list, const PixelImage& strip, const PixelImage* mask,
             const char* function) {
    return WithList(list, function, -1, [&](ImageListData& data) {
        const int first = data.Count();
        const LONG count = strip.width / data.cx;
        for (LONG i = 0; i < count; ++i) {
            const LONG x = i * data.cx;
            std::optional<PixelImage> maskTile;
            if (mask) maskTile = gdi::CropImage(*mask, x, data.cx, data.cy);
            PixelImage tile = gdi::CropImage(strip, x, data.cx, data.cy);
            data.images.push_back(
                Share(FromBitmap(data, std::move(tile), maskTile ? &*maskTile : nullptr)));
        }
        return first;
    });
}

PixelImagePtr ImageAt(HIMAGELIST list, int index, const char* function) {
    return WithList(list, function, PixelImagePtr(), [&](const ImageListData& data) {
        if (!IndexIsValid(data, index, function)) return PixelImagePtr();
        return data.images[static_cast<std::size_t>(index)];
    });
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    if (cx <= 0 || cy <= 0) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "ImageList_Create: image size " + std::to_string(cx) + " x " +
                                      std::to_string(cy) + " is not positive");
        return nullptr;
    }
    return Lists().Add<HIMAGELIST>(ImageListData{cx, cy, flags, CLR_NONE, {}});
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    if (!Lists().Remove(list)) {
        gdi::FailHandle(ERROR_INVALID_HANDLE, "ImageList_Destroy", list, "a live image list");
        return FALSE;
    }
    return TRUE;
}

HIMAGELIST ImageList_Duplicate(HIMAGELIST list) {
    std::optional<ImageListData> copy =
        WithList(list, "ImageList_Duplicate", std::optional<ImageListData>(),
                 [](const ImageListData& data) { return std::optional<ImageListData>(data); });
    if (!copy) return nullptr;
    copy->background = CLR_NONE;
    return Lists().Add<HIMAGELIST>(std::move(*copy));
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    PixelImagePtr strip = FindBitmap(image, "ImageList_Add");
    if (!strip) return -1;
    PixelImagePtr maskStrip;
    if (mask && !(maskStrip = FindBitmap(mask, "ImageList_Add"))) return -1;
    return AddStrip(list, *strip, maskStrip.get(), "ImageList_Add");
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor) {
    PixelImagePtr strip = FindBitmap(image, "ImageList_AddMasked");
    if (!strip) return -1;
    PixelImage source = *strip;
    const COLORREF key =
        maskColor == CLR_DEFAULT ? winport::ColorOfPixel(source.At(0, 0)) : maskColor;
    const PixelImage mask = gdi::MaskOfColor(source, key);
    gdi::BlackenMasked(source, mask);
    return AddStrip(list, source, &mask, "ImageList_AddMasked");
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
    PixelImagePtr picture = gdi::FindIconImage(icon);
    if (!picture) {
        gdi::FailHandle(ERROR_INVALID_CURSOR_HANDLE, "ImageList_ReplaceIcon", icon, "a live icon");
        return -1;
    }
    return WithList(list, "ImageList_ReplaceIcon", -1, [&](ImageListData& data) {
        if (index != -1 && !IndexIsValid(data, index, "ImageList_ReplaceIcon")) return -1;
        PixelImagePtr image = Share(FromIcon(data, *picture));
        if (index == -1) {
            data.images.push_back(std::move(image));
            return data.Count() - 1;
        }
        data.images[static_cast<std::size_t>(index)] = std::move(image);
        return index;
    });
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
    return WithList(list, "ImageList_Remove", FALSE, [&](ImageListData& data) {
        if (index == -1) {
            data.images.clear();
            return TRUE;
        }
        if (!IndexIsValid(data, index, "ImageList_Remove")) return FALSE;
        data.images.erase(data.images.begin() + index);
        return TRUE;
    });
}

int ImageList_GetImageCount(HIMAGELIST list) {
    return WithList(list, "ImageList_GetImageCount", 0,
                    [](const ImageListData& data) { return data.Count(); });
}

BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count) {
    return WithList(list, "ImageList_SetImageCount", FALSE, [&](ImageListData& data) {
        if (count > static_cast<UINT>(data.Count())) {
            const PixelImagePtr blank =
                Share(PixelImage{data.cx, data.cy,
                                 std::vector<std::uint32_t>(static_cast<std::size_t>(data.cx) *
                                                            static_cast<std::size_t>(data.cy))});
            data.images.resize(count, blank);
        } else {
            data.images.resize(count);
        }
        return TRUE;
    });
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    if (!cx || !cy) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, "ImageList_GetIconSize: null size");
        return FALSE;
    }
    return WithList(list, "ImageList_GetIconSize", FALSE, [&](const ImageListData& data) {
        *cx = data.cx;
        *cy = data.cy;
        return TRUE;
    });
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT) {
    PixelImagePtr image = ImageAt(list, index, "ImageList_GetIcon");
    return image ? gdi::CreateIconFromImage(std::move(image)) : nullptr;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
    return WithList(list, "ImageList_SetBkColor", CLR_NONE, [&](ImageListData& data) {
        const COLORREF previous = data.background;
        data.background = color;
        return previous;
    });
}

COLORREF ImageList_GetBkColor(HIMAGELIST list) {
    return WithList(list, "ImageList_GetBkColor", CLR_NONE,
                    [](const ImageListData& data) { return data.background; });
}

namespace winport {

PixelImagePtr ImageListImagePixels(HIMAGELIST list, int index) {
    return ImageAt(list, index, "ImageListImagePixels");
}

std::size_t LiveImageListCount() {
    return Lists().Count();
}

}  // namespace winport
