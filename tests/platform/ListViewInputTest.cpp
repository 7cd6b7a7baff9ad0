// A person's clicks, double clicks, right clicks and keys on a list view through the agent, set
// beside the program's messages that reach the same state, and parents that destroy the list
// inside the notifications a person causes.

#include <tuple>

#include "ListViewTestSupport.h"

namespace winport::test {
namespace {

class ListViewInputTest : public ListViewTest {
protected:
    // Sends a press and a release in |row| at |x| straight to the list, as a program may.
    static void ClickRow(HWND list, int row, LONG x) {
        RECT rect{LVIR_BOUNDS, 0, 0, 0};
        SendMessage(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), Ptr(&rect));
        ClickAt(list, At(x, rect.top + 2));
    }

    Agent agent;
};

TEST_F(ListViewInputTest, AClickDeselectsTheOldRowBeforeSelectingWhereAProgramNestsIt) {
    ASSERT_TRUE(agent.SelectListViewRow(list, 1));
    EXPECT_TRUE(LogIs(
        {"RELEASEDCAPTURE", "ITEMCHANGING 1 -->SF", "ITEMCHANGED 1 -->SF", "SETFOCUS", "CLICK 1"}));
    log.Clear();
    ASSERT_TRUE(agent.SelectListViewRow(list, 2));
    EXPECT_TRUE(LogIs({"RELEASEDCAPTURE", "ITEMCHANGING 1 SF->F", "ITEMCHANGED 1 SF->F",
                       "ITEMCHANGING 2 -->SF", "ITEMCHANGING 1 F->-", "ITEMCHANGED 1 F->-",
                       "ITEMCHANGED 2 -->SF", "CLICK 2"}));
    EXPECT_EQ(State(list, 2), kSelectedFocused);

    log.Clear();
    SetState(list, 0, kSelectedFocused);
    EXPECT_TRUE(LogIs({"ITEMCHANGING 0 -->SF", "ITEMCHANGING 2 SF->F", "ITEMCHANGED 2 SF->F",
                       "ITEMCHANGING 2 F->-", "ITEMCHANGED 2 F->-", "ITEMCHANGED 0 -->SF"}));
    // Clicking the selected row again changes nothing.
    log.Clear();
    ASSERT_TRUE(agent.SelectListViewRow(list, 0));
    EXPECT_TRUE(LogIs({"RELEASEDCAPTURE", "CLICK 0"}));
}

TEST_F(ListViewInputTest, AClickOnEmptySpaceOrPastTheFirstColumnDeselectsUnlessTheRowIsFull) {
    SetState(list, 2, kSelectedFocused);
    SetFocus(list);
    log.Clear();
    ClickRow(list, 4, 30);
    EXPECT_TRUE(
        LogIs({"RELEASEDCAPTURE", "ITEMCHANGING 2 SF->F", "ITEMCHANGED 2 SF->F", "CLICK -1"}));
    EXPECT_EQ(State(list, 2), LVIS_FOCUSED);

    for (const bool fullRow : {false, true}) {
        const HWND list = FilledList();
        if (fullRow) SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        SetFocus(list);
        log.Clear();
        ClickRow(list, 1, 100);  // In the second column.
        EXPECT_EQ(State(list, 1), fullRow ? kSelectedFocused : 0u);
        EXPECT_EQ(log.Lines().back(), "CLICK 1");  // The click reports its row either way.
        DestroyWindow(list);
    }
}

TEST_F(ListViewInputTest, ADoubleClickActivatesTheRowAndARightClickAsksForAContextMenu) {
    ASSERT_TRUE(agent.DoubleClickListViewRow(list, 0));
    EXPECT_TRUE(LogIs({"RELEASEDCAPTURE", "ITEMCHANGING 0 -->SF", "ITEMCHANGED 0 -->SF", "SETFOCUS",
                       "CLICK 0", "RELEASEDCAPTURE", "DBLCLK 0", "ITEMACTIVATE 0"}));
    log.Clear();
    SendMessage(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, 110));
    EXPECT_TRUE(LogIs({"RELEASEDCAPTURE", "DBLCLK -1"}));

    SetFocus(nullptr);
    const HWND clicked = FilledList();
    ASSERT_TRUE(agent.RightClickListViewRow(clicked, 1));
    EXPECT_TRUE(LogIs({"RELEASEDCAPTURE", "SETFOCUS", "ITEMCHANGING 1 -->F", "ITEMCHANGED 1 -->F",
                       "ITEMCHANGING 1 F->SF", "ITEMCHANGED 1 F->SF", "RCLICK 1", "CONTEXTMENU"}));
    // A parent that answers NM_RCLICK has handled it: no context menu.
    log.Answer(NM_RCLICK, TRUE);
    log.Clear();
    ASSERT_TRUE(agent.RightClickListViewRow(clicked, 1));
    EXPECT_TRUE(LogIs({"RELEASEDCAPTURE", "RCLICK 1"}));
}

TEST_F(ListViewInputTest, KeysReportKeyDownThenMoveTheSelection) {
    ASSERT_TRUE(agent.PressKeyInListView(list, VK_DOWN));
    EXPECT_TRUE(LogIs({"SETFOCUS", "KEYDOWN 0x28", "ITEMCHANGING 0 -->SF", "ITEMCHANGED 0 -->SF"}));
    log.Clear();
    ASSERT_TRUE(agent.PressKeyInListView(list, VK_DOWN));
    EXPECT_TRUE(LogIs({"KEYDOWN 0x28", "ITEMCHANGING 0 SF->F", "ITEMCHANGED 0 SF->F",
                       "ITEMCHANGING 1 -->SF", "ITEMCHANGING 0 F->-", "ITEMCHANGED 0 F->-",
                       "ITEMCHANGED 1 -->SF"}));
    const std::tuple<UINT, int> moves[] = {
        {VK_END, 2}, {VK_DOWN, 2}, {VK_HOME, 0}, {VK_UP, 0}, {VK_LEFT, 0}};
    for (const auto& [key, row] : moves) {
        ASSERT_TRUE(agent.PressKeyInListView(list, key));
        EXPECT_EQ(State(list, row), kSelectedFocused) << "key " << key;
        EXPECT_EQ(Selected(list), 1);
    }
    log.Clear();
    ASSERT_TRUE(agent.PressKeyInListView(list, VK_UP));  // Already at the top.
    ASSERT_TRUE(agent.PressKeyInListView(list, VK_RETURN));
    EXPECT_TRUE(LogIs({"KEYDOWN 0x26", "KEYDOWN 0xD", "RETURN", "ITEMACTIVATE 0"}));

    // Focus changes are reported once each.
    log.Clear();
    SetFocus(list);
    SetFocus(parent);
    SetFocus(list);
    EXPECT_TRUE(LogIs({"KILLFOCUS", "SETFOCUS"}));
}

TEST_F(ListViewInputTest, RefusedDisabledAndMissingRowsFailTheAgentsPickAndSayWhy) {
    log.Answer(LVN_ITEMCHANGING, TRUE);
    EXPECT_REFUSED(agent, SelectListViewRow(list, 1), "SysListView32 40 row 1 was not selected");
    EXPECT_EQ(State(list, 1), 0u);
    EXPECT_REFUSED(agent, SelectListViewRow(list, 3), "SysListView32 40 has no row 3 (3 rows)");
    EnableWindow(list, FALSE);
    log.Clear();
    EXPECT_REFUSED(agent, SelectListViewRow(list, 0), "SysListView32 40 is disabled");
    ClickRow(list, 0, 30);
    EXPECT_EQ(State(list, 0), 0u);
    EXPECT_TRUE(LogIs({}));
}

TEST_F(ListViewInputTest, ParentDestroyingTheListInsideWhatAPersonCausesIsSafe) {
    const std::pair<UINT, std::function<bool(Agent&, HWND)>> cases[] = {
        {NM_CLICK, [](Agent& a, HWND list) { return a.SelectListViewRow(list, 1); }},
        {LVN_ITEMCHANGED, [](Agent& a, HWND list) { return a.SelectListViewRow(list, 1); }},
        {NM_RCLICK, [](Agent& a, HWND list) { return a.RightClickListViewRow(list, 1); }},
        {LVN_KEYDOWN, [](Agent& a, HWND list) { return a.PressKeyInListView(list, VK_DOWN); }},
        {NM_DBLCLK, [](Agent& a, HWND list) { return a.DoubleClickListViewRow(list, 1); }},
    };
    for (const auto& [code, act] : cases) {
        const HWND list = FilledList();
        log.DestroyOn(code);
        act(agent, list);
        EXPECT_FALSE(IsWindow(list)) << "code " << static_cast<int>(code);
        EXPECT_EQ(log.Lines().back(), "DELETEITEM 0 data=1") << "code " << static_cast<int>(code);
    }
}

}  // namespace
}  // namespace winport::test
