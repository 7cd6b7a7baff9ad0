#include "hostlib/controls/BCBmpListBox.h"

#include <gtest/gtest.h>

#include "BCDialogTestSupport.h"

namespace {

class BCBmpListBoxTest : public bctest::ControlsFixture {};

TEST_F(BCBmpListBoxTest, FixedRowsGrowToTheImageHeight) {
    BCBmpListBox box;
    ASSERT_TRUE(box.SubclassDlgItem(bctest::kListBox, m_host));
    const LRESULT textHeight = box.SendMessage(LB_GETITEMHEIGHT);
    ASSERT_LT(textHeight, 42);
    bctest::ScopedImageList tall(40, 2);
    box.SetImageList(tall);
    EXPECT_EQ(box.GetImageList(), static_cast<HIMAGELIST>(tall));
    EXPECT_EQ(box.SendMessage(LB_GETITEMHEIGHT), 42);

    bctest::ScopedImageList small(4, 2);  // Smaller images leave the rows as they are.
    box.SetImageList(small);
    EXPECT_EQ(box.SendMessage(LB_GETITEMHEIGHT), 42);
}

TEST_F(BCBmpListBoxTest, ParentReflectsTheMeasureRequestOfANewListBox) {
    bctest::ScopedImageList images(30, 2);
    BCBmpListBox box;
    box.SetImageList(images);  // Before the window exists: kept for its first measure.
    const RECT rect{5, 5, 105, 85};
    ASSERT_TRUE(box.CreateEx(0, kListBoxClassName, "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED,
                             rect, m_host, 3001));
    EXPECT_EQ(box.SendMessage(LB_GETITEMHEIGHT), 32);
}

}  // namespace
