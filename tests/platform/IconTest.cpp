#include "platform/gdi/Icon.h"

#include "tests/platform/GdiTestSupport.h"

namespace {

using namespace winport::testing;

class IconTest : public GdiLeakCheckedTest {};

TEST_F(IconTest, PixelsRoundTripCopiesAreIndependentAndDestroyedOrBadIconsAreRefused) {
    const std::vector<std::uint32_t> pixels = {kRed, 0x00000000, 0x80FFFFFF, kBlue};
    const std::size_t before = winport::LiveIconCount();
    const HICON icon = winport::CreateIconFromPixels(2, 2, pixels);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(winport::IconPixels(icon)->pixels, pixels);

    const HICON copy = CopyIcon(icon);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, icon);
    EXPECT_EQ(winport::LiveIconCount(), before + 2);
    EXPECT_TRUE(DestroyIcon(icon));
    const winport::PixelImagePtr copied = winport::IconPixels(copy);
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->pixels, pixels);
    EXPECT_TRUE(DestroyIcon(copy));
    EXPECT_EQ(winport::LiveIconCount(), before);

    const HICON destroyed = winport::CreateIconFromPixels(1, 1, Filled(1, 1, kRed));
    ASSERT_TRUE(DestroyIcon(destroyed));
    EXPECT_TRUE(FailsWith(DestroyIcon(destroyed), ERROR_INVALID_CURSOR_HANDLE));
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(FailsWith(CopyIcon(destroyed), ERROR_INVALID_CURSOR_HANDLE));
    EXPECT_EQ(winport::IconPixels(destroyed), nullptr);

    const std::size_t gdiBefore = winport::LiveGdiObjectCount();
    const HICON live = winport::CreateIconFromPixels(1, 1, Filled(1, 1, kRed));
    EXPECT_EQ(winport::LiveGdiObjectCount(), gdiBefore);
    EXPECT_FALSE(DeleteObject(live));
    EXPECT_EQ(GetObjectType(live), 0u);
    EXPECT_TRUE(DestroyIcon(live));  // still alive after DeleteObject refused it

    const HBRUSH brush = CreateSolidBrush(0);
    EXPECT_FALSE(DestroyIcon(reinterpret_cast<HICON>(brush)));
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_TRUE(DeleteObject(brush));

    EXPECT_TRUE(FailsWith(winport::CreateIconFromPixels(16, 16, Filled(16, 15, kRed)),
                          ERROR_INVALID_PARAMETER));
}

}  // namespace
