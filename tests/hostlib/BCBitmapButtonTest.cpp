#include "hostlib/controls/BCBitmapButton.h"

#include <gtest/gtest.h>

#include "BCDialogTestSupport.h"
#include "platform/core/LastError.h"

namespace {

class BCBitmapButtonTest : public bctest::ControlsFixture {
protected:
    bctest::ScopedImageList m_images{16, 60};
};

TEST_F(BCBitmapButtonTest, ShowsTheChosenImageOfTheList) {
    BCBitmapButton button;
    ASSERT_TRUE(button.SubclassDlgItem(bctest::kButton, m_host));
    EXPECT_EQ(button.SendMessage(BM_GETIMAGE, IMAGE_ICON), 0);
    ASSERT_TRUE(button.SetImageList(0, m_images, 50, TRUE));
    const LRESULT first = button.SendMessage(BM_GETIMAGE, IMAGE_ICON);
    EXPECT_NE(first, 0);
    ASSERT_TRUE(button.SetImageList(0, m_images, 6, TRUE));
    EXPECT_NE(button.SendMessage(BM_GETIMAGE, IMAGE_ICON), 0);
}

TEST_F(BCBitmapButtonTest, RefusesWhatItCannotShow) {
    BCBitmapButton button;
    EXPECT_FALSE(button.SetImageList(0, m_images, 1, TRUE));  // No window yet.
    ASSERT_TRUE(button.SubclassDlgItem(bctest::kButton, m_host));
    EXPECT_FALSE(button.SetImageList(1, m_images, 1, TRUE));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(button.SetImageList(0, m_images, 60, TRUE));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(button.SendMessage(BM_GETIMAGE, IMAGE_ICON), 0);
}

}  // namespace
