#include "hostlib/util/HostImages.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "hostlib/util/PixelCanvas.h"
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

TEST(HostImagesTest, EverySmallImageIsADistinctSymbolAndTheLargeIconsAreSixAndSeven) {
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

    // The host has large icons 6 and 7 only.
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

constexpr std::uint32_t kInk = 0xFF102030;

// The canvas as rows of '#' (ink), '.' (transparent) and '?' (anything else).
std::string Art(const PixelCanvas& canvas) {
    std::string art;
    for (int y = 0; y < canvas.Size(); ++y) {
        for (int x = 0; x < canvas.Size(); ++x) {
            const std::uint32_t pixel =
                canvas.Pixels()[static_cast<std::size_t>(y * canvas.Size() + x)];
            art += pixel == kInk ? '#' : pixel == 0 ? '.' : '?';
        }
        art += '\n';
    }
    return art;
}

TEST(PixelCanvasTest, ShapesCoverThePixelsWhoseCentresTheyHoldAtEveryScale) {
    PixelCanvas rect(6, 1);
    rect.Rect(1, 1, 4, 3, kInk);
    EXPECT_EQ(Art(rect), "......\n.###..\n.###..\n......\n......\n......\n");

    PixelCanvas frame(6, 1);
    frame.Frame(0, 0, 5, 4, kInk);
    EXPECT_EQ(Art(frame), "#####.\n#...#.\n#...#.\n#####.\n......\n......\n");

    PixelCanvas disc(7, 1);
    disc.Disc(3.5, 3.5, 2.3, kInk);
    EXPECT_EQ(Art(disc), ".......\n..###..\n.#####.\n.#####.\n.#####.\n..###..\n.......\n");

    PixelCanvas triangle(6, 1);
    triangle.Polygon({{0, 0}, {5.6, 0}, {0, 5.6}}, kInk);
    EXPECT_EQ(Art(triangle), "#####.\n####..\n###...\n##....\n#.....\n......\n");

    PixelCanvas line(6, 1);
    line.Line({0.5, 0.5}, {5.5, 5.5}, 1, kInk);
    EXPECT_EQ(Art(line), "#.....\n.#....\n..#...\n...#..\n....#.\n.....#\n");

    // A larger scale draws the same shape with more pixels.
    PixelCanvas small(3, 1);
    small.Rect(1, 0, 3, 1, kInk);
    PixelCanvas large(3, 2);
    large.Rect(1, 0, 3, 1, kInk);
    EXPECT_EQ(Art(small), ".##\n...\n...\n");
    EXPECT_EQ(Art(large), "..####\n..####\n......\n......\n......\n......\n");
    // Later shapes paint over earlier ones and can cut holes.
    PixelCanvas canvas(5, 1);
    canvas.Rect(0, 0, 5, 5, 0xFFFFFFFF);
    canvas.Rect(1, 1, 4, 4, kInk);
    canvas.Rect(2, 2, 3, 3, 0);
    EXPECT_EQ(Art(canvas), "?????\n?###?\n?#.#?\n?###?\n?????\n");
    PixelCanvas degenerate(3, 1);
    degenerate.Polygon({{0, 0}, {3, 3}}, kInk);  // Two corners enclose nothing.
    EXPECT_EQ(Art(degenerate), "...\n...\n...\n");
}

}  // namespace
