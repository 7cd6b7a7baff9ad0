#include "hostlib/framework/BCWarningDialog.h"

#include <gtest/gtest.h>

#include "BCDialogTestSupport.h"
#include "hostlib/res/HostResourceIds.h"
#include "platform/automation/Agent.h"
#include "platform/window/WindowApi.h"

namespace {

// What a person saw in the warning.
struct Seen {
    std::string caption;
    std::string text;
    bool cancelShown = false;
    bool boxShown = false;
    bool boxTicked = false;
};

class BCWarningDialogTest : public ::testing::Test {
protected:
    // Answers the next warning: looks at it, ticks the box as told and presses |button|.
    void Answer(bool tick, int button) {
        m_agent.QueueDialogHandler(IDD_BC_WARNING, [this, tick, button](HWND dialog) {
            const HWND box = GetDlgItem(dialog, IDC_BC_WARNING_DONTSHOW);
            m_seen.caption = winport::GetWindowTextUtf8(dialog);
            m_seen.text = winport::GetWindowTextUtf8(GetDlgItem(dialog, IDC_BC_WARNING_TEXT));
            m_seen.cancelShown = IsWindowVisible(GetDlgItem(dialog, IDCANCEL)) != FALSE;
            m_seen.boxShown = IsWindowVisible(box) != FALSE;
            m_seen.boxTicked = SendMessage(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
            if (m_seen.boxShown) {
                m_agent.Tick(box,
                             tick ? winport::CheckState::Checked : winport::CheckState::Unchecked);
            }
            m_agent.Click(GetDlgItem(dialog, button));
        });
    }

    bctest::ScopedResources m_resources;
    winport::Agent m_agent;
    BCUserInfo m_user{1, "Owner"};
    Seen m_seen;
};

TEST_F(BCWarningDialogTest, TickedBoxAndOkAreReadBackAfterTheLoop) {
    Answer(true, IDOK);
    BCWarningDialog warning(&m_user, bctest::kWarningText, bctest::kWarningCaption, 7, 0, 0, 0, 0,
                            0, 0, nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(warning.DoModal(), IDOK);
    EXPECT_NE(warning.GetDontShowAgain(), 0);
    EXPECT_EQ(m_seen.caption, "Update Details");
    EXPECT_EQ(m_seen.text, "Your details will be published.");
    EXPECT_TRUE(m_seen.cancelShown);
    EXPECT_TRUE(m_seen.boxShown);
    EXPECT_FALSE(m_seen.boxTicked);
    EXPECT_EQ(warning.GetIconNumber(), 7);
    EXPECT_EQ(m_agent.ModalDialogs(), std::vector<int>{IDD_BC_WARNING});
}

TEST_F(BCWarningDialogTest, CancelWithTheBoxClearReportsBoth) {
    Answer(false, IDCANCEL);
    BCWarningDialog warning(&m_user, bctest::kWarningText, bctest::kWarningCaption, 7, 0, 0, 0, 0,
                            1, 0, nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(warning.DoModal(), IDCANCEL);
    EXPECT_EQ(warning.GetDontShowAgain(), 0);
}

TEST_F(BCWarningDialogTest, CancellingWithTheBoxTickedKeepsTheTick) {
    Answer(true, IDCANCEL);
    BCWarningDialog warning(&m_user, bctest::kWarningText, 0, 7, 0, 0, 0, 0, 0, 0, nullptr, nullptr,
                            nullptr, 0);
    EXPECT_EQ(warning.DoModal(), IDCANCEL);
    EXPECT_NE(warning.GetDontShowAgain(), 0);
    EXPECT_EQ(m_seen.caption, "Warning");  // No caption string: the template's title.
}

TEST_F(BCWarningDialogTest, OkOnlyWarningHidesCancelAndStartsTicked) {
    Answer(true, IDOK);
    BCWarningDialog warning(&m_user, bctest::kWarningText, bctest::kWarningCaption, 7, 0, 1, 1, 0,
                            0, 0, nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(warning.DoModal(), IDOK);
    EXPECT_FALSE(m_seen.cancelShown);
    EXPECT_TRUE(m_seen.boxTicked);
    EXPECT_NE(warning.GetDontShowAgain(), 0);
}

TEST_F(BCWarningDialogTest, GivenTextStandsInForAMissingString) {
    Answer(false, IDOK);
    BCWarningDialog warning(&m_user, 0, 0, 7, 0, 0, 0, 1, 0, 0, "Plain words", nullptr, nullptr, 0);
    EXPECT_EQ(warning.DoModal(), IDOK);
    EXPECT_EQ(m_seen.text, "Plain words");
    EXPECT_FALSE(m_seen.boxShown);

    Answer(false, IDOK);
    BCWarningDialog unknownId(&m_user, 7698, 0, 7, 0, 0, 0, 0, 0, 0, "Fallback", nullptr, nullptr,
                              0);
    EXPECT_EQ(unknownId.DoModal(), IDOK);
    EXPECT_EQ(m_seen.text, "Fallback");
}

TEST_F(BCWarningDialogTest, UnansweredWarningIsCancelledAndLeavesTheBoxClear) {
    BCWarningDialog warning(&m_user, bctest::kWarningText, 0, 7, 0, 0, 0, 0, 0, 0, nullptr, nullptr,
                            nullptr, 0);
    EXPECT_EQ(warning.DoModal(), IDCANCEL);
    EXPECT_EQ(warning.GetDontShowAgain(), 0);
}

}  // namespace
