#include "platform/gdi/ImageList.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/SystemColors.h"
#include "tests/platform/GdiTestSupport.h"

namespace {

using namespace winport::testing;
using winport::PixelFromColor;

constexpr std::uint32_t kHalfRed = 0x80FF0000;
constexpr std::uint32_t kTransparent = 0;

class ImageListTest : public GdiLeakCheckedTest {
protected:
    void TearDown() override {
        for (HIMAGELIST list : m_lists) EXPECT_TRUE(ImageList_Destroy(list));
        GdiLeakCheckedTest::TearDown();
    }

    HIMAGELIST MakeList(int cx, int cy, UINT flags) {
        const HIMAGELIST list = ImageList_Create(cx, cy, flags, 4, 4);
        EXPECT_NE(list, nullptr);
        m_lists.push_back(list);
        return list;
    }

    // Adds a strip bitmap and deletes it again, as callers do.
    static int Add(HIMAGELIST list, LONG width, LONG height,
                   const std::vector<std::uint32_t>& pixels,
                   const std::vector<std::uint32_t>* mask = nullptr) {
        const HBITMAP image = winport::CreateBitmapFromPixels(width, height, pixels);
        const HBITMAP maskBitmap =
            mask ? winport::CreateBitmapFromPixels(width, height, *mask) : nullptr;
        const int index = ImageList_Add(list, image, maskBitmap);
        EXPECT_TRUE(DeleteObject(image));
        if (maskBitmap) {
            EXPECT_TRUE(DeleteObject(maskBitmap));
        }
        return index;
    }

    static int AddMasked(HIMAGELIST list, LONG width, LONG height,
                         const std::vector<std::uint32_t>& pixels, COLORREF maskColor) {
        const HBITMAP image = winport::CreateBitmapFromPixels(width, height, pixels);
        const int index = ImageList_AddMasked(list, image, maskColor);
        EXPECT_TRUE(DeleteObject(image));
        return index;
    }

    static int AddIcon(HIMAGELIST list, int index, LONG width, LONG height,
                       const std::vector<std::uint32_t>& pixels) {
        const HICON icon = winport::CreateIconFromPixels(width, height, pixels);
        const int result = ImageList_ReplaceIcon(list, index, icon);
        EXPECT_TRUE(DestroyIcon(icon));
        return result;
    }

    static std::uint32_t PixelOf(HIMAGELIST list, int index, LONG x, LONG y) {
        const winport::PixelImagePtr image = winport::ImageListImagePixels(list, index);
        EXPECT_NE(image, nullptr) << "image " << index;
        return image ? image->At(x, y) : 0xDEADBEEF;
    }
    // Every pixel of image |index|, row by row.
    static std::vector<std::uint32_t> Pixels(HIMAGELIST list, int index) {
        const winport::PixelImagePtr image = winport::ImageListImagePixels(list, index);
        EXPECT_NE(image, nullptr) << "image " << index;
        return image ? image->pixels : std::vector<std::uint32_t>{};
    }

private:
    std::vector<HIMAGELIST> m_lists;
};

TEST_F(ImageListTest, CreateNeedsAPositiveImageSizeAndAddCutsTheStripIntoWholeImagesInOrder) {
    EXPECT_TRUE(FailsWith(ImageList_Create(0, 16, ILC_COLOR32, 1, 1), ERROR_INVALID_PARAMETER));
    EXPECT_EQ(ImageList_Create(16, -1, ILC_COLOR32, 1, 1), nullptr);
    const HIMAGELIST list = MakeList(16, 12, ILC_COLOR32 | ILC_MASK);
    int cx = 0;
    int cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(std::pair(cx, cy), std::pair(16, 12));
    EXPECT_FALSE(ImageList_GetIconSize(list, nullptr, &cy));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);

    const HIMAGELIST strip = MakeList(4, 2, ILC_COLOR24);
    EXPECT_EQ(Add(strip, 12, 2, Strip(4, 2, {kRed, kGreen, kBlue})), 0);
    EXPECT_EQ(ImageList_GetImageCount(strip), 3);
    EXPECT_EQ(Add(strip, 8, 2, Strip(4, 2, {kWhite, kBlack})), 3);
    EXPECT_EQ(ImageList_GetImageCount(strip), 5);

    const std::uint32_t expected[] = {kRed, kGreen, kBlue, kWhite, kBlack};
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(Pixels(strip, index), Filled(4, 2, expected[index])) << "image " << index;
    }

    const HIMAGELIST partial = MakeList(4, 3, ILC_COLOR32);
    // 10 pixels wide: two whole images, the last two columns ignored.
    EXPECT_EQ(Add(partial, 10, 2, Filled(10, 2, kRed)), 0);
    EXPECT_EQ(ImageList_GetImageCount(partial), 2);
    EXPECT_EQ(PixelOf(partial, 1, 3, 1), kRed);
    EXPECT_EQ(PixelOf(partial, 1, 3, 2), kTransparent);  // the bitmap has only two rows
    // Narrower than one image: nothing added, the count answered.
    EXPECT_EQ(Add(partial, 3, 3, Filled(3, 3, kBlue)), 2);
    EXPECT_EQ(ImageList_GetImageCount(partial), 2);
}

TEST_F(ImageListTest, MasksAndKeyColoursCutPixelsOutOfMaskedListsAndColor32KeepsAlpha) {
    const std::vector<std::uint32_t> image = Filled(2, 1, PixelFromColor(RGB(9, 8, 7), 0));
    const std::vector<std::uint32_t> mask = {kWhite, kBlack};

    const HIMAGELIST masked = MakeList(2, 1, ILC_COLOR24 | ILC_MASK);
    ASSERT_EQ(Add(masked, 2, 1, image, &mask), 0);
    EXPECT_EQ(Pixels(masked, 0), (std::vector{kTransparent, PixelFromColor(RGB(9, 8, 7))}));

    const HIMAGELIST plain = MakeList(2, 1, ILC_COLOR24);
    ASSERT_EQ(Add(plain, 2, 1, image, &mask), 0);
    EXPECT_EQ(Pixels(plain, 0), Filled(2, 1, PixelFromColor(RGB(9, 8, 7))));

    const HIMAGELIST alpha = MakeList(2, 1, ILC_COLOR32);
    ASSERT_EQ(Add(alpha, 2, 1, {kHalfRed, kTransparent}, &mask), 0);
    EXPECT_EQ(Pixels(alpha, 0), (std::vector{kHalfRed, kTransparent}));

    // No alpha at all: opaque, with the mask cutting out its white pixels.
    ASSERT_EQ(Add(alpha, 2, 1, {0x00112233, 0x00445566}, &mask), 1);
    EXPECT_EQ(Pixels(alpha, 1), (std::vector{kTransparent, 0xFF445566u}));

    const HIMAGELIST keyed = MakeList(2, 1, ILC_COLOR24 | ILC_MASK);
    EXPECT_EQ(AddMasked(keyed, 4, 1, {kMagenta, kRed, kGreen, kMagenta}, RGB(255, 0, 255)), 0);
    EXPECT_EQ(ImageList_GetImageCount(keyed), 2);
    EXPECT_EQ(Pixels(keyed, 0), (std::vector{kTransparent, kRed}));
    EXPECT_EQ(Pixels(keyed, 1), (std::vector{kGreen, kTransparent}));

    // CLR_DEFAULT takes the colour of the top left pixel.
    EXPECT_EQ(AddMasked(keyed, 2, 1, {kBlue, kRed}, CLR_DEFAULT), 2);
    EXPECT_EQ(Pixels(keyed, 2), (std::vector{kTransparent, kRed}));

    // Without a mask the key colour is still blackened out of the image.
    const HIMAGELIST keyedPlain = MakeList(2, 1, ILC_COLOR24);
    EXPECT_EQ(AddMasked(keyedPlain, 2, 1, {kMagenta, kRed}, RGB(255, 0, 255)), 0);
    EXPECT_EQ(Pixels(keyedPlain, 0), (std::vector{kBlack, kRed}));
}

TEST_F(ImageListTest, IconsAreScaledAppendedReplacedAndBlendedIntoListsWithoutAlpha) {
    const HIMAGELIST list = MakeList(4, 4, ILC_COLOR32 | ILC_MASK);
    // 2 x 2 quadrants become 2 x 2 blocks of the 4 x 4 image.
    EXPECT_EQ(AddIcon(list, -1, 2, 2, {kRed, kGreen, kBlue, kHalfRed}), 0);
    EXPECT_EQ(Pixels(list, 0),
              (std::vector{kRed, kRed, kGreen, kGreen, kRed, kRed, kGreen, kGreen, kBlue, kBlue,
                           kHalfRed, kHalfRed, kBlue, kBlue, kHalfRed, kHalfRed}));

    const HICON icon = winport::CreateIconFromPixels(4, 4, Filled(4, 4, kWhite));
    EXPECT_EQ(ImageList_AddIcon(list, icon), 1);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 0, icon), 0);
    EXPECT_EQ(PixelOf(list, 0, 0, 0), kWhite);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);

    EXPECT_TRUE(AnswersWith(ImageList_ReplaceIcon(list, 2, icon), -1, ERROR_INVALID_PARAMETER));
    EXPECT_EQ(ImageList_ReplaceIcon(list, -2, icon), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    EXPECT_TRUE(DestroyIcon(icon));

    EXPECT_TRUE(AnswersWith(ImageList_ReplaceIcon(list, -1, icon), -1,
                            ERROR_INVALID_CURSOR_HANDLE));  // destroyed
    EXPECT_EQ(ImageList_GetImageCount(list), 2);

    const std::vector<std::uint32_t> translucent = {kTransparent, kHalfRed, 0x10FF0000, kGreen};

    const HIMAGELIST maskedIcons = MakeList(4, 1, ILC_COLOR24 | ILC_MASK);
    ASSERT_EQ(AddIcon(maskedIcons, -1, 4, 1, translucent), 0);
    // The third pixel is under a tenth opaque.
    EXPECT_EQ(Pixels(maskedIcons, 0), (std::vector{kTransparent, kRed, kTransparent, kGreen}));

    // Neither mask nor alpha: blended onto the background colour, COLOR_WINDOW by default.
    const HIMAGELIST plainIcons = MakeList(4, 1, ILC_COLOR24);
    ASSERT_EQ(AddIcon(plainIcons, -1, 4, 1, translucent), 0);
    EXPECT_EQ(PixelOf(plainIcons, 0, 0, 0), PixelFromColor(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(PixelOf(plainIcons, 0, 1, 0), PixelFromColor(RGB(255, 127, 127)));
    EXPECT_EQ(ImageList_SetBkColor(plainIcons, RGB(0, 0, 255)), CLR_NONE);
    ASSERT_EQ(AddIcon(plainIcons, -1, 4, 1, translucent), 1);
    EXPECT_EQ(PixelOf(plainIcons, 1, 0, 0), kBlue);
    EXPECT_EQ(PixelOf(plainIcons, 1, 3, 0), kGreen);
}

TEST_F(ImageListTest, RemoveAndSetImageCountChangeTheImagesAndCopiesAreIndependent) {
    const HIMAGELIST list = MakeList(1, 1, ILC_COLOR32);
    ASSERT_EQ(Add(list, 3, 1, {kRed, kGreen, kBlue}), 0);
    EXPECT_TRUE(ImageList_Remove(list, 1));
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    EXPECT_EQ(PixelOf(list, 1, 0, 0), kBlue);

    EXPECT_TRUE(FailsWith(ImageList_Remove(list, 2), ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(ImageList_Remove(list, -2));
    EXPECT_EQ(ImageList_GetImageCount(list), 2);

    EXPECT_TRUE(ImageList_RemoveAll(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_TRUE(ImageList_Remove(list, -1));  // allowed on an empty list
    EXPECT_EQ(winport::ImageListImagePixels(list, 0), nullptr);

    const HIMAGELIST padded = MakeList(2, 2, ILC_COLOR32);
    ASSERT_EQ(Add(padded, 2, 2, Filled(2, 2, kRed)), 0);
    EXPECT_TRUE(ImageList_SetImageCount(padded, 3));
    EXPECT_EQ(ImageList_GetImageCount(padded), 3);
    EXPECT_EQ(winport::ImageListImagePixels(padded, 2)->pixels, Filled(2, 2, kTransparent));
    EXPECT_TRUE(ImageList_SetImageCount(padded, 1));
    EXPECT_EQ(ImageList_GetImageCount(padded), 1);
    EXPECT_EQ(PixelOf(padded, 0, 1, 1), kRed);

    const HIMAGELIST icons = MakeList(2, 1, ILC_COLOR32);
    ASSERT_EQ(Add(icons, 4, 1, {kRed, kHalfRed, kGreen, kBlue}), 0);
    const HICON icon = ImageList_GetIcon(icons, 1, ILD_NORMAL);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(winport::IconPixels(icon)->pixels, (std::vector<std::uint32_t>{kGreen, kBlue}));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_TRUE(FailsWith(ImageList_GetIcon(icons, 2, ILD_NORMAL), ERROR_INVALID_PARAMETER));

    const HIMAGELIST original = MakeList(1, 1, ILC_COLOR24 | ILC_MASK);
    ASSERT_EQ(Add(original, 2, 1, {kRed, kGreen}), 0);
    ImageList_SetBkColor(original, RGB(1, 2, 3));
    const HIMAGELIST copy = ImageList_Duplicate(original);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(copy), 2);
    EXPECT_EQ(PixelOf(copy, 1, 0, 0), kGreen);
    EXPECT_EQ(ImageList_GetBkColor(copy), CLR_NONE);

    EXPECT_TRUE(ImageList_Remove(copy, 0));
    EXPECT_EQ(ImageList_GetImageCount(original), 2);
    EXPECT_EQ(PixelOf(original, 0, 0, 0), kRed);
    EXPECT_TRUE(ImageList_Destroy(copy));

    // Pixels stay readable after the list is gone.
    const HIMAGELIST gone = ImageList_Create(1, 1, ILC_COLOR32, 1, 1);
    ASSERT_EQ(Add(gone, 1, 1, {kBlue}), 0);
    const winport::PixelImagePtr image = winport::ImageListImagePixels(gone, 0);
    EXPECT_TRUE(ImageList_Destroy(gone));
    EXPECT_EQ(image->At(0, 0), kBlue);
}

TEST_F(ImageListTest, InvalidHandlesFailClearly) {
    const HIMAGELIST gone = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    ASSERT_TRUE(ImageList_Destroy(gone));
    const HBRUSH brush = CreateSolidBrush(0);
    const HIMAGELIST foreign = reinterpret_cast<HIMAGELIST>(brush);
    const HBITMAP bitmap = winport::CreateBitmapFromPixels(16, 16, Filled(16, 16, kRed));

    for (HIMAGELIST list : {gone, foreign, static_cast<HIMAGELIST>(nullptr)}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_TRUE(FailsWith(ImageList_Destroy(list), ERROR_INVALID_HANDLE));
        EXPECT_EQ(ImageList_GetImageCount(list), 0);
        EXPECT_EQ(ImageList_Add(list, bitmap, nullptr), -1);
        EXPECT_FALSE(ImageList_Remove(list, -1));
        EXPECT_FALSE(ImageList_SetImageCount(list, 1));
        EXPECT_EQ(ImageList_Duplicate(list), nullptr);
        EXPECT_EQ(ImageList_GetBkColor(list), CLR_NONE);
        int cx = 0;
        int cy = 0;
        EXPECT_FALSE(ImageList_GetIconSize(list, &cx, &cy));
    }
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);  // not harmed by the attempts
    EXPECT_TRUE(DeleteObject(brush));

    // A handle that is no bitmap, as image or as mask, adds nothing.
    const HIMAGELIST list = MakeList(16, 16, ILC_COLOR32 | ILC_MASK);
    const HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_TRUE(AnswersWith(ImageList_Add(list, reinterpret_cast<HBITMAP>(pen), nullptr), -1,
                            ERROR_INVALID_HANDLE));
    EXPECT_EQ(ImageList_Add(list, bitmap, reinterpret_cast<HBITMAP>(pen)), -1);
    EXPECT_EQ(ImageList_AddMasked(list, reinterpret_cast<HBITMAP>(pen), CLR_DEFAULT), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(bitmap));
}

}  // namespace
