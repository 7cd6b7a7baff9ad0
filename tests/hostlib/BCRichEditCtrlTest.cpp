#include "hostlib/controls/BCRichEditCtrl.h"

#include <gtest/gtest.h>

#include "BCDialogTestSupport.h"

namespace {

class BCRichEditCtrlTest : public bctest::ControlsFixture {
protected:
    std::pair<DWORD, DWORD> Selection(const CWnd& edit) {
        DWORD start = 0;
        DWORD end = 0;
        edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
};

TEST_F(BCRichEditCtrlTest, CaretFollowsTheEndWhenAsked) {
    BCRichEditCtrl edit(nullptr, 1);
    ASSERT_TRUE(edit.SubclassDlgItem(bctest::kRichEdit, m_host));
    edit.SetText("Chess club\r\nOrchestra");
    const std::string shown = winport::GetWindowTextUtf8(edit.m_hWnd);
    EXPECT_NE(shown.find("Orchestra"), std::string::npos);
    const auto [start, end] = Selection(edit);
    EXPECT_EQ(start, end);
    edit.SendMessage(EM_SETSEL, end, end + 5);  // Nothing lies beyond the end.
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{end, end}));
    EXPECT_GT(end, 0u);
}

TEST_F(BCRichEditCtrlTest, CaretStaysAtTheStartOtherwiseUntilMoved) {
    BCRichEditCtrl edit(nullptr, 0);
    ASSERT_TRUE(edit.SubclassDlgItem(bctest::kRichEdit, m_host));
    edit.SetText("Orchestra");
    EXPECT_EQ(Selection(edit).second, 0u);
    edit.MoveToEnd();
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{9, 9}));
}

}  // namespace
