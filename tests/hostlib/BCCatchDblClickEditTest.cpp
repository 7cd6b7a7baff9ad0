#include "hostlib/controls/BCCatchDblClickEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "BCDialogTestSupport.h"
#include "platform/automation/Agent.h"

namespace {

class BCCatchDblClickEditTest : public bctest::ControlsFixture {
protected:
    winport::Agent m_agent;
};

TEST_F(BCCatchDblClickEditTest, DoubleClickTellsTheParent) {
    BCCatchDblClickEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(bctest::kEdit, m_host));
    ASSERT_TRUE(m_agent.Type(edit.m_hWnd, "+47 555"));
    m_host->notifications.clear();
    ASSERT_TRUE(m_agent.DoubleClick(edit.m_hWnd));
    const std::pair<int, UINT> doubleClick{bctest::kEdit, NM_DBLCLK};
    EXPECT_EQ(std::count(m_host->notifications.begin(), m_host->notifications.end(), doubleClick),
              1);
    EXPECT_EQ(winport::GetWindowTextUtf8(edit.m_hWnd), "+47 555");
}

TEST_F(BCCatchDblClickEditTest, PlainEditSendsNothing) {
    m_host->notifications.clear();
    ASSERT_TRUE(m_agent.DoubleClick(Item(bctest::kEdit)));
    for (const auto& [id, code] : m_host->notifications) EXPECT_NE(code, NM_DBLCLK) << id;
}

}  // namespace
