#include "platform/gdi/SystemColors.h"

#include "platform/gdi/StockObjects.h"
#include "tests/platform/GdiTestSupport.h"

namespace {

class SystemColorBrushTest : public winport::testing::GdiLeakCheckedTest {};

// An unknown index answers black and no brush.
TEST_F(SystemColorBrushTest, IsOneSolidBrushOfTheColourThatNeverDies) {
    EXPECT_EQ(GetSysColor(31), 0u);
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_TRUE(FailsWith(GetSysColorBrush(31), ERROR_INVALID_PARAMETER));
    const HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), brush);
    EXPECT_NE(GetSysColorBrush(COLOR_WINDOW), brush);

    const LOGBRUSH description = winport::testing::DescribeObject<LOGBRUSH>(brush);
    EXPECT_EQ(std::tie(description.lbStyle, description.lbColor),
              std::make_tuple(UINT{BS_SOLID}, GetSysColor(COLOR_BTNFACE)));

    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
}

}  // namespace
