#include "platform/text/Bstr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/com/TaskMemory.h"
#include "platform/core/LastError.h"

namespace {

DWORD StoredByteLength(BSTR text) {
    DWORD bytes = 0;
    std::memcpy(&bytes, reinterpret_cast<const BYTE*>(text) - sizeof(DWORD), sizeof bytes);
    return bytes;
}

}  // namespace

TEST(BstrTest, KeepsTheWindowsLayoutFromTheTaskAllocatorAndHandlesZerosNullAndForeignPointers) {
    const std::size_t live = winport::LiveBstrCount();
    const std::size_t blocks = winport::LiveTaskMemoryBlocks();
    BSTR text = SysAllocString(u"Ωmega 😀");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 8u);
    EXPECT_EQ(StoredByteLength(text), 16u);
    EXPECT_EQ(std::u16string(text), u"Ωmega 😀");
    EXPECT_EQ(text[8], u'\0');
    EXPECT_EQ(winport::LiveBstrCount(), live + 1);
    EXPECT_EQ(winport::LiveTaskMemoryBlocks(), blocks + 1);
    SysFreeString(text);
    EXPECT_EQ(winport::LiveBstrCount(), live);
    EXPECT_EQ(winport::LiveTaskMemoryBlocks(), blocks);

    BSTR embedded = SysAllocStringLen(u"a\0b-not-copied", 3);
    EXPECT_EQ(SysStringLen(embedded), 3u);
    EXPECT_EQ(std::u16string(embedded, 4), std::u16string(u"a\0b\0", 4));
    BSTR zeros = SysAllocStringLen(nullptr, 4);
    EXPECT_EQ(std::u16string(zeros, 5), std::u16string(5, u'\0'));
    BSTR empty = SysAllocString(u"");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SysStringLen(empty), 0u);
    for (BSTR text : {embedded, zeros, empty}) SysFreeString(text);

    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);

    std::u16string notABstr = u"plain";
    SetLastError(ERROR_SUCCESS);
    SysFreeString(notABstr.data());
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

    BSTR once = SysAllocString(u"once");
    SysFreeString(once);
    SetLastError(ERROR_SUCCESS);
    SysFreeString(once);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(winport::LiveBstrCount(), live);
}
