#include "client/host/ListImages.h"

#include "client/host/InterestIcons.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/GdiObjects.h"

namespace nuvclient {

HIMAGELIST CreateListImages(std::string_view name) {
    if (name != "interest icons") return nullptr;
    const HBITMAP strip = winport::CreateBitmapFromPixels(kInterestIconCount * kInterestIconSize,
                                                          kInterestIconSize, kInterestIconPixels);
    if (!strip) return nullptr;
    HIMAGELIST list =
        ImageList_Create(kInterestIconSize, kInterestIconSize, ILC_COLOR32, kInterestIconCount, 0);
    if (list && ImageList_Add(list, strip, nullptr) < 0) {
        ImageList_Destroy(list);
        list = nullptr;
    }
    DeleteObject(strip);
    return list;
}

}  // namespace nuvclient
