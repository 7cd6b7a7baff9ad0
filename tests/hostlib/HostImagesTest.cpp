#include "hostlib/util/HostImages.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/core/LastError.h"
#include "platform/gdi/Icon.h"

namespace {

int OpaquePixels(const winport::PixelImage& image) {
    int count = 0;
    for (const std::uint32_t pixel : image.pixels) count += winport::AlphaOfPixel(pixel) == 0xFF;
    return count;
}

// The module's windows show these pictures; each must be a symbol of its own.
constexpr int kNamedImages[] = {
    kHostImageWebPage,        kHostImageOutsidePage,  kHostImageCopySummary,
    kHostImageHome,           kHostImageAffiliations, kHostImageInterests,
    kHostImageMore,           kHostImageWork,         kHostImageMain,
    kHostImageAbout,          kHostImageFax,          kHostImageCellular,
    kHostImageDefaultAddress, kHostImagePhone,        kHostImagePublishedAddress};

TEST(HostImagesTest, EverySmallImageIsADistinctSymbolOnATransparentGround) {
    const std::size_t listsBefore = winport::LiveImageListCount();
    const HIMAGELIST list = CreateHostSmallImageList();
    ASSERT_NE(list, nullptr) << winport::GetLastErrorText();
    ASSERT_EQ(ImageList_GetImageCount(list), kHostLastImage + 1);
    std::map<std::vector<std::uint32_t>, int> seen;
    for (int index = 0; index <= kHostLastImage; ++index) {
        const winport::PixelImagePtr image = winport::ImageListImagePixels(list, index);
        ASSERT_NE(image, nullptr) << index;
        ASSERT_EQ(image->width, kHostSmallImageSize);
        ASSERT_EQ(image->height, kHostSmallImageSize);
        EXPECT_EQ(winport::AlphaOfPixel(image->At(0, 0)), 0) << "image " << index;
        EXPECT_GE(OpaquePixels(*image), 40) << "image " << index;
        const auto [other, inserted] = seen.emplace(image->pixels, index);
        EXPECT_TRUE(inserted) << "image " << index << " looks like image " << other->second;
    }
    for (const int index : kNamedImages) {
        // A symbol, not the plain tile, which leaves only its rim of 64 pixels clear.
        const int clear = kHostSmallImageSize * kHostSmallImageSize -
                          OpaquePixels(*winport::ImageListImagePixels(list, index));
        EXPECT_GT(clear, 80) << "image " << index;
    }
    ImageList_Destroy(list);
    EXPECT_EQ(winport::LiveImageListCount(), listsBefore);
}

TEST(HostImagesTest, TheHostHasLargeIconsSixAndSevenOnly) {
    const HICON webPage = CreateHostIcon(kHostIconWebPage);
    const HICON details = CreateHostIcon(kHostIconUserDetails);
    ASSERT_NE(webPage, nullptr);
    ASSERT_NE(details, nullptr);
    EXPECT_NE(webPage, details);
    const winport::PixelImagePtr web = winport::IconPixels(webPage);
    const winport::PixelImagePtr user = winport::IconPixels(details);
    EXPECT_EQ(web->width, kHostIconSize);
    EXPECT_EQ(web->height, kHostIconSize);
    EXPECT_NE(*web, *user);
    EXPECT_EQ(winport::AlphaOfPixel(web->At(0, 0)), 0);
    EXPECT_GE(OpaquePixels(*web), 4 * 40);
    DestroyIcon(webPage);
    DestroyIcon(details);

    for (const int number : {0, 5, 8, -7, 1000}) {
        SetLastError(0);
        EXPECT_EQ(CreateHostIcon(number), nullptr) << number;
        EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND) << number;
    }
}

}  // namespace
