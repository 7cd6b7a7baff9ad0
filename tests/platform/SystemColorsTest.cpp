#include "platform/gdi/SystemColors.h"

#include <gtest/gtest.h>

#include "platform/gdi/StockObjects.h"
#include "tests/platform/GdiTestSupport.h"

namespace {

struct ColorCase {
    int index;
    COLORREF expected;
};

TEST(SystemColorsTest, ClassicSchemeColours) {
    constexpr ColorCase kCases[] = {
        {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_BTNFACE, RGB(212, 208, 200)},
        {COLOR_3DFACE, RGB(212, 208, 200)},
        {COLOR_BTNSHADOW, RGB(128, 128, 128)},
        {COLOR_GRAYTEXT, RGB(128, 128, 128)},
        {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
        {COLOR_INFOBK, RGB(255, 255, 225)},
        {COLOR_INFOTEXT, RGB(0, 0, 0)},
        {COLOR_HOTLIGHT, RGB(0, 0, 128)},
        {COLOR_3DDKSHADOW, RGB(64, 64, 64)},
        {COLOR_MENUBAR, RGB(212, 208, 200)},
    };
    for (const ColorCase& c : kCases) {
        EXPECT_EQ(GetSysColor(c.index), c.expected) << "colour " << c.index;
    }
}

TEST(SystemColorsTest, UnknownIndexAnswersBlackAndNoBrush) {
    EXPECT_EQ(GetSysColor(31), 0u);
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColorBrush(31), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

class SystemColorBrushTest : public winport::testing::GdiLeakCheckedTest {};

TEST_F(SystemColorBrushTest, IsOneSolidBrushOfTheColourThatNeverDies) {
    const HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), brush);
    EXPECT_NE(GetSysColorBrush(COLOR_WINDOW), brush);

    LOGBRUSH description;
    ASSERT_EQ(GetObject(brush, sizeof description, &description),
              static_cast<int>(sizeof description));
    EXPECT_EQ(description.lbStyle, BS_SOLID);
    EXPECT_EQ(description.lbColor, GetSysColor(COLOR_BTNFACE));

    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
}

}  // namespace
