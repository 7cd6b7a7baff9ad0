#include "pages/HostDataList.h"

#include "module/host/HostIds.h"
#include "module/host/MIDataListService.h"
#include "platform/com/ComRuntime.h"

winport::ComPtr<MINUVDataList> OpenHostDataList(const char* name) {
    winport::ComPtr<MIDataListService> service;
    winport::ComPtr<MINUVDataList> list;
    if (FAILED(CoCreateInstance(kDataListServiceClsid, nullptr, CLSCTX_INPROC_SERVER,
                                MIDataListService::kIid,
                                reinterpret_cast<void**>(service.GetAddressOf()))) ||
        FAILED(service->GetList(name, list.GetAddressOf()))) {
        list.Reset();
    }
    return list;
}

HIMAGELIST CopyListImages(MINUVDataList* list) {
    void* images = nullptr;
    if (!list || list->GetHandle(0, "imagelist", &images) != S_OK || !images) return nullptr;
    return ImageList_Duplicate(static_cast<HIMAGELIST>(images));
}
