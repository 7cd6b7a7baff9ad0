#include "hostlib/reference/ImageLists.h"

#include <string>

#include "platform/core/LastError.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/resources/ResourceApi.h"

HIMAGELIST CreateImageList(int bitmapId, int count) {
    if (count <= 0) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "image count " + std::to_string(count) + " is not positive");
        return nullptr;
    }
    const HBITMAP bitmap = LoadBitmap(nullptr, bitmapId);
    if (!bitmap) return nullptr;
    BITMAP info{};
    GetObject(bitmap, sizeof(info), &info);
    HIMAGELIST list = nullptr;
    if (info.bmWidth % count != 0) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "bitmap " + std::to_string(bitmapId) + " of width " +
                                      std::to_string(info.bmWidth) + " is not " +
                                      std::to_string(count) + " equal images");
    } else {
        list =
            ImageList_Create(info.bmWidth / count, info.bmHeight, ILC_COLOR32 | ILC_MASK, count, 0);
        if (list && ImageList_Add(list, bitmap, nullptr) < 0) {
            ImageList_Destroy(list);
            list = nullptr;
        }
    }
    DeleteObject(bitmap);
    return list;
}
