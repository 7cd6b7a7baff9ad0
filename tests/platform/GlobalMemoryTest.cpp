#include "platform/shell/GlobalMemory.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "LastErrorCheck.h"

namespace {

class GlobalMemoryTest : public testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(winport::LiveGlobalBlocks(), m_blocksBefore) << "a block leaked";
    }
    const std::size_t m_blocksBefore = winport::LiveGlobalBlocks();
};

bool AllZero(const void* data, SIZE_T size) {
    const auto* bytes = static_cast<const BYTE*>(data);
    return std::all_of(bytes, bytes + size, [](BYTE byte) { return byte == 0; });
}

TEST_F(GlobalMemoryTest, MoveableBlocksCountLocksAndFixedOnesAreTheirOwnPointerAndMoveIfAllowed) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 16);
    ASSERT_NE(block, nullptr);
    void* first = GlobalLock(block);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, static_cast<void*>(block));
    EXPECT_EQ(GlobalFlags(block), GMEM_DDESHARE | 1);
    EXPECT_EQ(GlobalLock(block), first);
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 2u);

    EXPECT_TRUE(GlobalUnlock(block));
    SetLastError(ERROR_INVALID_DATA);
    EXPECT_TRUE(FailsWith(GlobalUnlock(block), ERROR_SUCCESS));
    EXPECT_TRUE(FailsWith(GlobalUnlock(block), ERROR_NOT_LOCKED));
    EXPECT_EQ(GlobalFree(block), nullptr);

    const HGLOBAL counted = GlobalAlloc(GHND, 4);
    for (int i = 0; i < 300; ++i) GlobalLock(counted);
    EXPECT_EQ(GlobalFlags(counted), GMEM_LOCKCOUNT);
    for (int i = 1; i < 255; ++i) ASSERT_TRUE(GlobalUnlock(counted)) << i;
    EXPECT_FALSE(GlobalUnlock(counted));
    EXPECT_EQ(GlobalFlags(counted), 0u);
    GlobalFree(counted);

    const HGLOBAL fixedBlock = GlobalAlloc(GMEM_FIXED, 0);
    ASSERT_NE(fixedBlock, nullptr);
    EXPECT_EQ(GlobalSize(fixedBlock), 1u);
    EXPECT_EQ(GlobalLock(fixedBlock), static_cast<void*>(fixedBlock));
    EXPECT_EQ(GlobalFlags(fixedBlock), 0u);
    EXPECT_TRUE(GlobalUnlock(fixedBlock));
    EXPECT_EQ(GlobalFree(fixedBlock), nullptr);

    const HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 4);
    std::memcpy(fixed, "wxyz", 4);
    EXPECT_TRUE(FailsWith(GlobalReAlloc(fixed, 4, 0), ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(fixed)), 4), "wxyz");

    const HGLOBAL moved = GlobalReAlloc(fixed, 64, GMEM_MOVEABLE);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(GlobalLock(moved), static_cast<void*>(moved)) << "still a fixed block";
    EXPECT_EQ(std::string(static_cast<const char*>(static_cast<void*>(moved)), 4), "wxyz");
    EXPECT_EQ(GlobalSize(moved), 64u);
    EXPECT_NE(moved, fixed);
    EXPECT_EQ(GlobalSize(fixed), 0u) << "the old handle is gone";
    GlobalFree(moved);

    const HGLOBAL original = GlobalAlloc(GMEM_FIXED, 3);
    std::memcpy(original, "abc", 3);
    const HGLOBAL moveable = GlobalReAlloc(original, 0, GMEM_MODIFY | GMEM_MOVEABLE);
    ASSERT_NE(moveable, nullptr);
    ASSERT_NE(moveable, original);
    EXPECT_EQ(GlobalSize(moveable), 3u);
    const void* data = GlobalLock(moveable);
    EXPECT_NE(data, static_cast<void*>(moveable));
    EXPECT_EQ(std::string(static_cast<const char*>(data), 3), "abc");
    EXPECT_EQ(GlobalFlags(moveable), 1u);
    GlobalUnlock(moveable);
    GlobalFree(moveable);
}

TEST_F(GlobalMemoryTest, ZeroInitClearsNewBlocksAndGrowthAndAnEmptyMoveableBlockIsDiscarded) {
    const HGLOBAL fixed = GlobalAlloc(GPTR, 1000);
    EXPECT_TRUE(AllZero(GlobalLock(fixed), 1000));
    GlobalFree(fixed);

    HGLOBAL moveable = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(moveable), "abcd", 4);
    GlobalUnlock(moveable);
    ASSERT_EQ(GlobalReAlloc(moveable, 1000, GMEM_MOVEABLE | GMEM_ZEROINIT), moveable);
    EXPECT_EQ(GlobalSize(moveable), 1000u);
    const auto* bytes = static_cast<const char*>(GlobalLock(moveable));
    EXPECT_EQ(std::string(bytes, 4), "abcd");
    EXPECT_TRUE(AllZero(bytes + 4, 996));
    GlobalUnlock(moveable);
    GlobalFree(moveable);

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_EQ(GlobalFlags(block), GMEM_DISCARDED);
    EXPECT_TRUE(FailsWith(GlobalLock(block), ERROR_DISCARDED));

    ASSERT_EQ(GlobalReAlloc(block, 10, GMEM_MOVEABLE), block);
    EXPECT_NE(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalReAlloc(block, 0, GMEM_MOVEABLE), nullptr) << "a locked block stays";
    GlobalUnlock(block);
    ASSERT_EQ(GlobalReAlloc(block, 0, GMEM_MOVEABLE), block);
    EXPECT_EQ(GlobalFlags(block), GMEM_DISCARDED);
    GlobalFree(block);
}

TEST_F(GlobalMemoryTest, BadHandlesAndSizesFailCleanlyAndLiveBlocksAreObservable) {
    const HGLOBAL freed = GlobalAlloc(GMEM_MOVEABLE, 8);
    ASSERT_EQ(GlobalFree(freed), nullptr);
    const HGLOBAL invented = reinterpret_cast<HGLOBAL>(0xdeadbee8);
    for (const HGLOBAL handle : {freed, invented}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_TRUE(AnswersWith(GlobalFree(handle), handle, ERROR_INVALID_HANDLE));
        EXPECT_TRUE(FailsWith(GlobalLock(handle), ERROR_INVALID_HANDLE));
        EXPECT_EQ(GlobalSize(handle), 0u);
        EXPECT_EQ(GlobalFlags(handle), GMEM_INVALID_HANDLE);
        EXPECT_EQ(GlobalReAlloc(handle, 16, GMEM_MOVEABLE), nullptr);
        SetLastError(ERROR_SUCCESS);
        // Windows answers nonzero here, but does report the bad handle.
        EXPECT_TRUE(AnswersWith(GlobalUnlock(handle) != FALSE, true, ERROR_INVALID_HANDLE));
        EXPECT_NE(winport::GetLastErrorText().find("GlobalUnlock"), std::string::npos);
    }
    EXPECT_EQ(GlobalFree(nullptr), nullptr);

    const std::size_t before = winport::LiveGlobalBlocks();
    const HGLOBAL block = GlobalAlloc(GHND, 3);
    EXPECT_EQ(winport::LiveGlobalBlocks(), before + 1);
    std::memcpy(GlobalLock(block), "xyz", 3);
    GlobalUnlock(block);
    EXPECT_EQ(winport::GlobalBlockContents(block), (std::vector<BYTE>{'x', 'y', 'z'}));
    EXPECT_EQ(GlobalFlags(block), 0u) << "reading contents takes no lock";
    GlobalFree(block);
    EXPECT_EQ(winport::LiveGlobalBlocks(), before);
    EXPECT_EQ(winport::GlobalBlockContents(block), std::nullopt);

    const SIZE_T huge = std::numeric_limits<SIZE_T>::max();
    EXPECT_TRUE(FailsWith(GlobalAlloc(GMEM_MOVEABLE, huge), ERROR_NOT_ENOUGH_MEMORY));
    const HGLOBAL small = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_EQ(GlobalReAlloc(small, huge, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalSize(small), 8u);
    GlobalFree(small);
}

}  // namespace
