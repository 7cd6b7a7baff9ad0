#include "platform/core/LastError.h"

#include <gtest/gtest.h>

#include <thread>

TEST(LastErrorTest, IsKeptPerThreadWithItsText) {
    winport::SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE, "no window 0x42");
    std::thread([] { EXPECT_EQ(GetLastError(), ERROR_SUCCESS); }).join();
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(winport::GetLastErrorText(), "no window 0x42");
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(winport::GetLastErrorText(), "");
}
