#include "platform/gdi/Bitmap.h"

#include <tuple>

#include "tests/platform/GdiTestSupport.h"

namespace {

using namespace winport::testing;

class BitmapTest : public GdiLeakCheckedTest {};

TEST_F(BitmapTest, PixelsRoundTripTopDownOutliveTheBitmapAndBadSizesOrOtherObjectsHaveNone) {
    const std::vector<std::uint32_t> pixels = {kRed,   kGreen, kBlue,  // top row
                                               kWhite, kBlack, 0x80112233};
    const HBITMAP bitmap = winport::CreateBitmapFromPixels(3, 2, pixels);
    ASSERT_NE(bitmap, nullptr);
    const winport::PixelImagePtr image = winport::BitmapPixels(bitmap);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(*image, (winport::PixelImage{3, 2, pixels}));
    EXPECT_EQ(image->At(2, 0), kBlue);
    EXPECT_EQ(image->At(2, 1), 0x80112233u);
    const BITMAP d = DescribeObject<BITMAP>(bitmap);
    EXPECT_EQ(std::tie(d.bmWidth, d.bmHeight, d.bmWidthBytes, d.bmPlanes, d.bmBitsPixel),
              std::make_tuple(3, 2, 12, 1, 32));
    EXPECT_EQ(GetObjectType(bitmap), OBJ_BITMAP);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(image->At(1, 0), kGreen);
    EXPECT_TRUE(FailsWith(winport::BitmapPixels(bitmap), ERROR_INVALID_HANDLE));

    EXPECT_TRUE(FailsWith(winport::CreateBitmapFromPixels(0, 1, {}), ERROR_INVALID_PARAMETER));
    EXPECT_EQ(winport::CreateBitmapFromPixels(-2, -2, Filled(2, 2, kRed)), nullptr);
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(FailsWith(winport::CreateBitmapFromPixels(2, 2, Filled(3, 1, kRed)),
                          ERROR_INVALID_PARAMETER));
    EXPECT_NE(winport::GetLastErrorText().find("needs 4 pixels, got 3"), std::string::npos)
        << winport::GetLastErrorText();

    const HBRUSH brush = CreateSolidBrush(0);
    EXPECT_TRUE(
        FailsWith(winport::BitmapPixels(reinterpret_cast<HBITMAP>(brush)), ERROR_INVALID_HANDLE));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(PixelImageTest, PixelsReadAsAlphaRedGreenBlue) {
    EXPECT_EQ(winport::PixelFromColor(RGB(1, 2, 3), 4), 0x04010203u);
    EXPECT_EQ(winport::PixelFromColor(RGB(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(winport::ColorOfPixel(0x04010203u), RGB(1, 2, 3));
    EXPECT_EQ(winport::AlphaOfPixel(0x04010203u), 4);
}

}  // namespace
