// What a list view tells its parent when a program changes it: the changing/changed pairs and
// their order, vetoes, insertions and deletions, and a parent that destroys the list midway.

#include "ListViewTestSupport.h"

namespace winport::test {
namespace {

// What deleting or destroying the filled list tells its parent.
const Lines kDeleteAll = {"DELETEALLITEMS -1", "DELETEITEM 2 data=3", "DELETEITEM 1 data=2",
                          "DELETEITEM 0 data=1"};

LRESULT Insert(HWND list, int row, const char* text, UINT state, LPARAM data) {
    const LVITEMA item{.mask = LVIF_TEXT | LVIF_STATE | LVIF_PARAM,
                       .iItem = row,
                       .state = state,
                       .stateMask = state,
                       .pszText = const_cast<char*>(text),
                       .lParam = data};
    return SendMessage(list, LVM_INSERTITEM, 0, Ptr(&item));
}

LRESULT SetText(HWND list, int row, int column, const char* text) {
    const LVITEMA item{.iSubItem = column, .pszText = const_cast<char*>(text)};
    return SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(row), Ptr(&item));
}

TEST_F(ListViewTest, InsertingSendsInsertItemAndSelectingOnInsertAnnouncesTheChangesFirst) {
    EXPECT_EQ(Insert(list, 7, "d", 0, 9), 3);
    EXPECT_EQ(SetText(list, 3, 1, "sub"), TRUE);  // Sub-items change silently.
    EXPECT_TRUE(LogIs({"INSERTITEM 3 data=9"}));

    SetState(list, 0, kSelectedFocused);
    log.Clear();
    EXPECT_EQ(Insert(list, 1, "new", kSelectedFocused, 8), 1);
    // The old row gives up the selection, then the focus, inside the new row's pair.
    EXPECT_TRUE(LogIs({"ITEMCHANGING 1 -->SF", "ITEMCHANGING 0 SF->F", "ITEMCHANGED 0 SF->F",
                       "ITEMCHANGING 0 F->-", "ITEMCHANGED 0 F->-", "ITEMCHANGED 1 -->SF",
                       "INSERTITEM 1 data=8"}));
    EXPECT_EQ(State(list, 1), kSelectedFocused);
    EXPECT_EQ(State(list, 0), 0u);
}

TEST_F(ListViewTest, StateAndTextChangesNotifySingleSelectionDeselectsInsideAndVetoesKeepAll) {
    EXPECT_EQ(SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED), TRUE);
    EXPECT_TRUE(LogIs({"ITEMCHANGING 1 -->S", "ITEMCHANGED 1 -->S"}));
    log.Clear();
    // Nothing changes: the change is still announced, but not reported as made.
    EXPECT_EQ(SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED), TRUE);
    EXPECT_TRUE(LogIs({"ITEMCHANGING 1 S->S"}));
    log.Clear();
    EXPECT_EQ(SetState(list, 2, LVIS_SELECTED, LVIS_SELECTED), TRUE);
    EXPECT_TRUE(LogIs({"ITEMCHANGING 2 -->S", "ITEMCHANGING 1 S->-", "ITEMCHANGED 1 S->-",
                       "ITEMCHANGED 2 -->S"}));
    EXPECT_EQ(Selected(list), 1);

    const HWND texts = FilledList();
    EXPECT_EQ(SetText(texts, 0, 0, "ä"), TRUE);
    EXPECT_TRUE(LogIs({"ITEMCHANGING 0 text", "ITEMCHANGED 0 text"}));
    log.Clear();
    log.Answer(LVN_ITEMCHANGING, TRUE);
    EXPECT_EQ(SetText(texts, 1, 0, "refused"), FALSE);
    EXPECT_EQ(SetState(texts, 1, kSelectedFocused), FALSE);
    EXPECT_EQ(Insert(texts, 3, "d", LVIS_SELECTED, 4), -1);
    EXPECT_TRUE(LogIs({"ITEMCHANGING 1 text", "ITEMCHANGING 1 -->SF", "ITEMCHANGING 3 -->S"}));
    EXPECT_EQ(Text(texts, 1), "b");
    EXPECT_EQ(State(texts, 1), 0u);
    EXPECT_EQ(Count(texts), 3);
    EXPECT_EQ(SendMessage(texts, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), -1);
}

TEST_F(ListViewTest, StateForRowMinusOneAppliesToEveryRowWhereWindowsAllowsIt) {
    const HWND multi = FilledList(LVS_REPORT);
    EXPECT_EQ(SetState(multi, -1, LVIS_SELECTED, LVIS_SELECTED), TRUE);
    EXPECT_EQ(Selected(multi), 3);
    EXPECT_EQ(SetState(multi, -1, 0, LVIS_SELECTED), TRUE);
    EXPECT_EQ(SetState(multi, -1, 0, LVIS_SELECTED), TRUE);  // None selected: nothing is sent.
    EXPECT_TRUE(LogIs({"ITEMCHANGING 0 -->S", "ITEMCHANGED 0 -->S", "ITEMCHANGING 1 -->S",
                       "ITEMCHANGED 1 -->S", "ITEMCHANGING 2 -->S", "ITEMCHANGED 2 -->S",
                       "ITEMCHANGING 0 S->-", "ITEMCHANGED 0 S->-", "ITEMCHANGING 1 S->-",
                       "ITEMCHANGED 1 S->-", "ITEMCHANGING 2 S->-", "ITEMCHANGED 2 S->-"}));
    log.Clear();
    // Removing a focus nobody has still asks each row.
    EXPECT_EQ(SetState(multi, -1, 0, LVIS_FOCUSED), TRUE);
    EXPECT_TRUE(LogIs({"ITEMCHANGING 0 -->-", "ITEMCHANGING 1 -->-", "ITEMCHANGING 2 -->-"}));
    log.Clear();
    // Nobody may focus every row, and a single-selection list cannot select them all.
    EXPECT_EQ(SetState(multi, -1, LVIS_FOCUSED, LVIS_FOCUSED), FALSE);
    const HWND single = FilledList();
    EXPECT_EQ(SetState(single, -1, LVIS_SELECTED, LVIS_SELECTED), FALSE);
    EXPECT_EQ(Selected(single), 0);
    EXPECT_TRUE(LogIs({}));
}

// LVM_DELETEALLITEMS and the list's destruction send one LVN_DELETEITEM per row unless the parent
// answers LVN_DELETEALLITEMS with TRUE.
TEST_F(ListViewTest, DeletingDropsStateFirstAndSendsDeleteItemPerRowUnlessTheParentDeclines) {
    SetState(list, 1, kSelectedFocused);
    log.Clear();
    EXPECT_EQ(SendMessage(list, LVM_DELETEITEM, 1, 0), TRUE);
    EXPECT_EQ(SendMessage(list, LVM_DELETEITEM, 0, 0), TRUE);
    EXPECT_TRUE(LogIs({"ITEMCHANGING 1 SF->-", "ITEMCHANGED 1 SF->-", "DELETEITEM 1 data=2",
                       "ITEMCHANGING 0 -->-", "DELETEITEM 0 data=1"}));
    EXPECT_EQ(std::tuple(Text(list, 0), State(list, 0)), std::tuple("c", UINT{LVIS_FOCUSED}));

    for (const LRESULT answer : {LRESULT{0}, LRESULT{TRUE}}) {
        for (const bool destroy : {false, true}) {
            const HWND list = FilledList();
            SetState(list, 2, kSelectedFocused);
            log.Clear();
            log.Answer(LVN_DELETEALLITEMS, answer);
            if (destroy) {
                DestroyWindow(list);
            } else {
                EXPECT_EQ(SendMessage(list, LVM_DELETEALLITEMS, 0, 0), TRUE);
                EXPECT_EQ(Count(list), 0);
                EXPECT_EQ(SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED),
                          -1);
            }
            EXPECT_TRUE(LogIs(answer ? Lines{kDeleteAll.front()} : kDeleteAll))
                << "answer " << answer << (destroy ? ", destroyed" : ", deleted");
            DestroyWindow(list);
        }
    }
}

TEST_F(ListViewTest, ParentDestroyingTheListInsideANotificationEndsTheChange) {
    log.DestroyOn(LVN_ITEMCHANGED);
    EXPECT_EQ(SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED), FALSE);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_TRUE(LogIs({"ITEMCHANGING 1 -->S", "ITEMCHANGED 1 -->S", "DELETEALLITEMS -1",
                       "DELETEITEM 2 data=3", "DELETEITEM 1 data=2", "DELETEITEM 0 data=1"}));

    // Inside the nested deselection of the old row.
    const HWND nested = FilledList();
    SetState(nested, 0, LVIS_SELECTED, LVIS_SELECTED);
    log.Clear();
    log.DestroyOn(LVN_ITEMCHANGED);
    EXPECT_EQ(SetState(nested, 2, LVIS_SELECTED, LVIS_SELECTED), FALSE);
    EXPECT_FALSE(IsWindow(nested));
    EXPECT_EQ(log.Lines().size(), 3u + kDeleteAll.size());

    for (const UINT code : {LVN_INSERTITEM, LVN_DELETEITEM}) {
        const HWND doomed = FilledList();
        log.DestroyOn(code);
        const LRESULT result = code == LVN_INSERTITEM
                                   ? Insert(doomed, 0, "x", 0, 0)
                                   : SendMessage(doomed, LVM_DELETEALLITEMS, 0, 0);
        EXPECT_EQ(result, code == LVN_INSERTITEM ? -1 : FALSE);
        EXPECT_FALSE(IsWindow(doomed));
    }
}

}  // namespace
}  // namespace winport::test
