#include "platform/gdi/GdiObjects.h"

#include <tuple>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/StockObjects.h"
#include "tests/platform/GdiTestSupport.h"

namespace {

using winport::testing::DescribeObject;
using winport::testing::Filled;
using winport::testing::kRed;

class GdiObjectsTest : public winport::testing::GdiLeakCheckedTest {};

TEST_F(GdiObjectsTest, BrushesAndPensKeepWhatTheyWereMadeOfAreCountedUntilDeletedAndNeverReused) {
    const std::size_t before = winport::LiveGdiObjectCount();
    const HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(winport::LiveGdiObjectCount(), before + 1);

    LOGBRUSH description = DescribeObject<LOGBRUSH>(brush);
    EXPECT_EQ(std::tie(description.lbStyle, description.lbColor),
              std::make_tuple(UINT{BS_SOLID}, RGB(10, 20, 30)));

    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(winport::LiveGdiObjectCount(), before);
    EXPECT_TRUE(FailsWith(DeleteObject(brush), ERROR_INVALID_HANDLE));
    EXPECT_EQ(GetObject(brush, sizeof description, &description), 0);
    EXPECT_EQ(GetObjectType(brush), 0u);

    const HBRUSH first = CreateSolidBrush(0);
    ASSERT_TRUE(DeleteObject(first));
    const HBRUSH second = CreateSolidBrush(0);
    EXPECT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_TRUE(DeleteObject(second));

    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(FailsWith(DeleteObject(nullptr), ERROR_SUCCESS));

    // A pen keeps style, width and colour; an unknown style is solid; a null pen the stock one.
    const HPEN pen = CreatePen(PS_DASH, -3, RGB(1, 2, 3));
    const LOGPEN d = DescribeObject<LOGPEN>(pen);
    EXPECT_EQ(std::tie(d.lopnStyle, d.lopnWidth, d.lopnColor),
              std::make_tuple(UINT{PS_DASH}, POINT{3, 0}, RGB(1, 2, 3)));
    EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
    EXPECT_TRUE(DeleteObject(pen));
    const HPEN oddStyle = CreatePen(42, 1, 0);
    EXPECT_EQ(DescribeObject<LOGPEN>(oddStyle).lopnStyle, static_cast<UINT>(PS_SOLID));
    EXPECT_TRUE(DeleteObject(oddStyle));
    EXPECT_EQ(CreatePen(PS_NULL, 5, RGB(9, 9, 9)), GetStockObject(NULL_PEN));
    EXPECT_EQ(winport::LiveGdiObjectCount(), before);
}

TEST_F(GdiObjectsTest, StockObjectsAreSharedUncountedAndNeverDeletedAndUnknownOnesNull) {
    const std::size_t before = winport::LiveGdiObjectCount();
    const std::pair<int, DWORD> kStock[] = {
        {WHITE_BRUSH, OBJ_BRUSH},  {NULL_BRUSH, OBJ_BRUSH},       {BLACK_PEN, OBJ_PEN},
        {NULL_PEN, OBJ_PEN},       {SYSTEM_FONT, OBJ_FONT},       {DEFAULT_GUI_FONT, OBJ_FONT},
        {ANSI_VAR_FONT, OBJ_FONT}, {SYSTEM_FIXED_FONT, OBJ_FONT}, {DC_BRUSH, OBJ_BRUSH},
    };
    for (const auto& [index, type] : kStock) {
        const HGDIOBJ object = GetStockObject(index);
        ASSERT_NE(object, nullptr) << "stock object " << index;
        EXPECT_EQ(GetStockObject(index), object);
        EXPECT_EQ(GetObjectType(object), type) << "stock object " << index;
        // Windows answers TRUE and keeps the object.
        EXPECT_TRUE(DeleteObject(object));
        EXPECT_EQ(GetObjectType(object), type) << "stock object " << index;
    }
    EXPECT_EQ(winport::LiveGdiObjectCount(), before);

    EXPECT_EQ(DescribeObject<LOGBRUSH>(GetStockObject(NULL_BRUSH)).lbStyle, UINT{BS_NULL});

    for (int index : {-1, 9, 15, 20}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_TRUE(FailsWith(GetStockObject(index), ERROR_INVALID_PARAMETER))
            << "stock object " << index;
    }
}

TEST_F(GdiObjectsTest, GetObjectSizesFollowTheObjectKindAndForeignOrMadeUpHandlesAreRejected) {
    const HFONT font = CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    const HPEN pen = CreatePen(PS_SOLID, 1, 0);
    const HBITMAP bitmap = winport::CreateBitmapFromPixels(2, 2, Filled(2, 2, kRed));

    EXPECT_EQ(GetObject(font, 0, nullptr), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(GetObject(pen, 0, nullptr), static_cast<int>(sizeof(LOGPEN)));
    EXPECT_EQ(GetObject(bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP)));

    // A font hands over what fits; a pen or a bitmap all or nothing.
    LONG height = 0;
    EXPECT_EQ(GetObject(font, sizeof height, &height), static_cast<int>(sizeof height));
    EXPECT_EQ(height, -12);
    unsigned char buffer[sizeof(BITMAP)] = {};
    EXPECT_EQ(GetObject(pen, sizeof(LOGPEN) - 1, buffer), 0);
    EXPECT_EQ(GetObject(bitmap, sizeof(BITMAP) - 1, buffer), 0);

    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(bitmap));

    const HICON icon = winport::CreateIconFromPixels(1, 1, Filled(1, 1, kRed));
    const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    const HGDIOBJ madeUp = reinterpret_cast<HGDIOBJ>(0x12345);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(icon), static_cast<HGDIOBJ>(list), madeUp}) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_TRUE(FailsWith(DeleteObject(object), ERROR_INVALID_HANDLE));
        EXPECT_EQ(GetObjectType(object), 0u);
        LOGFONT font;
        EXPECT_EQ(GetObject(object, sizeof font, &font), 0);
    }
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_TRUE(ImageList_Destroy(list));
}

}  // namespace
