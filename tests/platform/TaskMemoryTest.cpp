#include "platform/com/TaskMemory.h"

#include <cstring>

#include "LastErrorCheck.h"
#include "platform/com/ComPtr.h"
#include "tests/platform/HResultAssert.h"

using winport::ComPtr;

TEST(TaskMemoryTest, OneAllocatorTracksEveryBlockThroughAllocReallocAndFreeAndRefusesForeignOnes) {
    EXPECT_HRESULT(E_POINTER, CoGetMalloc(MEMCTX_TASK, nullptr));
    IMalloc* out = &winport::TaskAllocator();
    EXPECT_HRESULT(E_INVALIDARG, CoGetMalloc(0, &out));
    EXPECT_EQ(out, nullptr);

    ComPtr<IMalloc> first;
    ComPtr<IMalloc> second;
    EXPECT_HRESULT(S_OK, CoGetMalloc(MEMCTX_TASK, first.GetAddressOf()));
    EXPECT_HRESULT(S_OK, CoGetMalloc(MEMCTX_TASK, second.GetAddressOf()));
    EXPECT_EQ(first, second);
    for (int i = 0; i < 5; ++i) first->Release();
    ComPtr<IUnknown> unknown;
    EXPECT_HRESULT(S_OK, first.As(&unknown));
    void* mine = first->Alloc(8);
    EXPECT_EQ(first->DidAlloc(mine), 1);
    first->Free(mine);

    IMalloc& allocator = winport::TaskAllocator();
    const std::size_t live = winport::LiveTaskMemoryBlocks();

    auto* block = static_cast<char*>(CoTaskMemAlloc(6));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "hello", 6);
    EXPECT_EQ(allocator.GetSize(block), 6u);
    EXPECT_EQ(winport::LiveTaskMemoryBlocks(), live + 1);

    block = static_cast<char*>(CoTaskMemRealloc(block, 4096));
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "hello");
    EXPECT_EQ(allocator.GetSize(block), 4096u);
    EXPECT_EQ(winport::LiveTaskMemoryBlocks(), live + 1);

    void* fresh = CoTaskMemRealloc(nullptr, 0);  // a null block allocates, even zero bytes
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(allocator.GetSize(fresh), 0u);
    EXPECT_EQ(winport::LiveTaskMemoryBlocks(), live + 2);

    EXPECT_EQ(CoTaskMemRealloc(block, 0), nullptr);  // a zero size frees
    CoTaskMemFree(fresh);
    CoTaskMemFree(nullptr);
    EXPECT_EQ(winport::LiveTaskMemoryBlocks(), live);

    int local = 0;
    EXPECT_EQ(allocator.DidAlloc(nullptr), -1);
    EXPECT_EQ(allocator.DidAlloc(&local), 0);
    EXPECT_EQ(allocator.GetSize(nullptr), static_cast<SIZE_T>(-1));

    SetLastError(ERROR_SUCCESS);
    CoTaskMemFree(&local);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(FailsWith(CoTaskMemRealloc(&local, 16), ERROR_INVALID_PARAMETER));

    void* once = CoTaskMemAlloc(16);
    CoTaskMemFree(once);
    SetLastError(ERROR_SUCCESS);
    CoTaskMemFree(once);  // a second free is refused, not a corrupted heap
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(winport::LiveTaskMemoryBlocks(), live);
}
