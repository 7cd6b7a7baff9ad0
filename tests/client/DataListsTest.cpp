// The host's data-list component: the shipped tables read from their file, handed out by
// class id as the module creates it, and read row by row as the pages read them (the pages'
// lists over it: WorkPageTest).
#include <tuple>

#include "ClientTestSupport.h"
#include "client/host/DataLists.h"
#include "module/host/HostIds.h"
#include "platform/com/ComPtr.h"
#include "platform/gdi/ImageList.h"

namespace nuvclient {
namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

// The service as the module creates it.
winport::ComPtr<MIDataListService> Service() {
    winport::ComPtr<MIDataListService> service;
    EXPECT_EQ(CoCreateInstance(kDataListServiceClsid, nullptr, CLSCTX_INPROC_SERVER,
                               IID_PPV_ARGS(service.GetAddressOf())),
              S_OK);
    return service;
}

TEST(DataListsTest, TheListsAreHandedOutByClassIdAndReadRowByRow) {
    const long before = LiveHostObjects::Count();
    {
        const DataListServiceClass registered(NUV_CLIENT_DATA_DIR);
        const winport::ComPtr<MIDataListService> service = Service();
        ASSERT_TRUE(service);
        winport::ComPtr<MINUVDataList> list;
        ASSERT_EQ(service->GetList("occupation", list.GetAddressOf()), S_OK);
        LONG count = 0;
        ASSERT_EQ(list->GetCount(&count), S_OK);
        EXPECT_GT(count, 20);
        LONG row = -1;
        ASSERT_EQ(list->FindRow("code", 7, &row), S_OK);
        const char* name = nullptr;
        ASSERT_EQ(list->GetString(row, "name", &name), S_OK);
        EXPECT_STREQ(name, "Engineering");
        LONG code = 0;
        EXPECT_EQ(list->GetLong(row, "code", &code), S_OK);
        EXPECT_EQ(code, 7);

        // What a list does not have is answered as such, never read past.
        EXPECT_EQ(list->FindRow("code", 4242, &row), S_FALSE);
        EXPECT_EQ(row, -1);
        EXPECT_EQ(list->GetLong(count, "code", &code), E_INVALIDARG);
        EXPECT_EQ(list->GetLong(0, "name", &code), E_INVALIDARG);
        EXPECT_EQ(list->GetString(0, "code", &name), E_INVALIDARG);
        void* handle = nullptr;
        EXPECT_EQ(list->GetHandle(0, "imagelist", &handle), E_INVALIDARG);
        EXPECT_EQ(list->GetCount(nullptr), E_POINTER);

        winport::ComPtr<MINUVDataList> none;
        EXPECT_EQ(service->GetList("no such list", none.GetAddressOf()), E_INVALIDARG);
        EXPECT_EQ(service->GetList(nullptr, none.GetAddressOf()), E_INVALIDARG);
        EXPECT_EQ(service->GetList("occupation", nullptr), E_POINTER);
    }
    EXPECT_EQ(LiveHostObjects::Count(), before);

    // The interests carry an icon each, indexes into the image list row 0 hands out: made once,
    // owned by the list.
    const DataListServiceClass registered(NUV_CLIENT_DATA_DIR);
    winport::ComPtr<MINUVDataList> list;
    ASSERT_EQ(Service()->GetList("interest", list.GetAddressOf()), S_OK);
    void* images = nullptr;
    ASSERT_EQ(list->GetHandle(0, "imagelist", &images), S_OK);
    const auto imageList = static_cast<HIMAGELIST>(images);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(imageList, &width, &height));
    EXPECT_EQ(std::tie(width, height), std::make_tuple(16, 16));
    void* again = nullptr;
    EXPECT_EQ(list->GetHandle(0, "imagelist", &again), S_OK);
    EXPECT_EQ(again, images);
    EXPECT_EQ(list->GetHandle(1, "imagelist", &again), E_INVALIDARG);
    LONG count = 0;
    ASSERT_EQ(list->GetCount(&count), S_OK);
    for (LONG row = 0; row < count; ++row) {
        LONG icon = -1;
        ASSERT_EQ(list->GetLong(row, "icon", &icon), S_OK) << row;
        EXPECT_TRUE(icon >= 0 && icon < ImageList_GetImageCount(imageList)) << row;
    }
}

TEST(DataListsTest, AFileThatIsNoTableOfListsIsRefusedNamingTheProblem) {
    const test::TempFolder folder;
    for (const auto& [content, complaint] :
         std::initializer_list<std::tuple<const char*, const char*>>{
             {"[1, 2]", "is not a JSON object of lists"},
             {"{\"occupation\": 3}", "list \"occupation\" is not an array"},
             {"{\"occupation\": [{\"name\": \"Baker\"}]}", "row 0 has no nonzero \"code\""},
             {"{\"occupation\": [{\"code\": 1, \"name\": [\"x\"]}]}", "\"name\" is neither"},
             {"{\"occupation\": [{\"code\": 99999999999}]}", "\"code\" is neither"},
         }) {
        std::ofstream(folder.Path() / kDataListsName) << content;
        EXPECT_THAT([&] { ReadDataLists(folder.Path() / kDataListsName); },
                    ThrowsMessage<std::runtime_error>(HasSubstr(complaint)))
            << content;
    }
    EXPECT_THROW(ReadDataLists(folder.Path() / "missing.json"), std::runtime_error);
}

}  // namespace
}  // namespace nuvclient
