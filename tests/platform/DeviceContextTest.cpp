#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/SystemMetrics.h"
#include "tests/platform/GdiTestSupport.h"

namespace {

class DeviceContextTest : public winport::testing::GdiLeakCheckedTest {};

TEST_F(DeviceContextTest,
       ScreenDcReportsResolutionAndScreenCountsUntilReleasedOnceAndOnlyADcAnswers) {
    const HDC dc = GetDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), GetSystemMetrics(SM_CXSCREEN));
    {
        winport::ScopedLogicalPixelsPerInch dpi(120);
        winport::ScopedSystemMetric width(SM_CXSCREEN, 1280);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 120);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 120);
        EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1280);
        EXPECT_EQ(GetDeviceCaps(dc, HORZSIZE), 271);  // 1280 pixels at 120 per inch
    }
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, 9999), 0);
    EXPECT_EQ(ReleaseDC(nullptr, dc), 1);

    const std::size_t before = winport::LiveGdiObjectCount();
    const HDC first = GetDC(nullptr);
    const HDC second = GetDC(reinterpret_cast<HWND>(0x1230));
    EXPECT_NE(first, second);
    EXPECT_EQ(winport::LiveGdiObjectCount(), before + 2);
    EXPECT_EQ(GetObjectType(first), OBJ_DC);

    EXPECT_TRUE(
        FailsWith(DeleteObject(first), ERROR_INVALID_HANDLE));  // a DC goes back through ReleaseDC
    EXPECT_EQ(ReleaseDC(nullptr, first), 1);
    EXPECT_EQ(ReleaseDC(nullptr, first), 0);
    EXPECT_TRUE(FailsWith(GetDeviceCaps(first, LOGPIXELSX), ERROR_INVALID_HANDLE));
    EXPECT_EQ(ReleaseDC(nullptr, second), 1);

    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_TRUE(
        FailsWith(GetDeviceCaps(reinterpret_cast<HDC>(brush), LOGPIXELSX), ERROR_INVALID_HANDLE));
    EXPECT_EQ(ReleaseDC(nullptr, reinterpret_cast<HDC>(brush)), 0);
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);  // still alive
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);

    EXPECT_TRUE(FailsWith(winport::SetLogicalPixelsPerInch(0), ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(winport::SetLogicalPixelsPerInch(-96));
    EXPECT_EQ(winport::LogicalPixelsPerInch(), 96);
}

}  // namespace
