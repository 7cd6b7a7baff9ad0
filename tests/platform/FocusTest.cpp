#include "ControlTestSupport.h"

namespace winport::test {
namespace {

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetFocus(nullptr);
        spy.Only({WM_SETFOCUS, WM_KILLFOCUS});
    }

    MessageSpy spy;
    const HWND top = spy.CreateSpyWindow("top");
    const HWND a = spy.CreateSpyWindow("a", top, 1);
    const HWND b = spy.CreateSpyWindow("b", top, 2);
};

TEST_F(FocusTest, SetFocusSendsKillFocusWithTheGainerThenSetFocusWithTheLoserAndNothingAgain) {
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_TRUE(SequenceIs(
        spy, {"a WM_SETFOCUS other=null", "a WM_KILLFOCUS other=b", "b WM_SETFOCUS other=a"}));

    SetFocus(a);
    spy.Clear();
    EXPECT_EQ(SetFocus(a), a);
    EXPECT_TRUE(SequenceIs(spy, {}));
}

TEST_F(FocusTest, DisablingHidingOrDestroyingTheFocusWindowMovesTheFocusABadHandleDoesNot) {
    SetFocus(a);
    EXPECT_EQ(SetFocus(reinterpret_cast<HWND>(0x777)), nullptr);
    EXPECT_EQ(GetFocus(), a);
    EnableWindow(a, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    EnableWindow(a, TRUE);

    SetFocus(b);
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);  // Hiding gives the focus to the parent.

    // Destroyed, a child tells its parent first, then is hidden, which gives the focus on.
    SetFocus(a);
    spy.Only({WM_PARENTNOTIFY, WM_SETFOCUS, WM_KILLFOCUS});
    DestroyWindow(a);
    EXPECT_EQ(GetFocus(), top);
    EXPECT_TRUE(SequenceIs(spy, {"top WM_PARENTNOTIFY WM_DESTROY a", "a WM_KILLFOCUS other=top",
                                 "top WM_SETFOCUS other=a"}));
}

// The focus brings its top-level window to the front first; a window brought to the front that
// does not place the focus itself takes it.
TEST_F(FocusTest, FocusInAnotherWindowActivatesItAndAnActivatedWindowTakesTheFocus) {
    const HWND other = spy.CreateSpyWindow("other");
    const HWND c = spy.CreateSpyWindow("c", other, 3);
    SetFocus(a);
    spy.Only({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    SetFocus(c);
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_TRUE(SequenceIs(
        spy, {"top WM_ACTIVATE inactive other=other", "other WM_ACTIVATE active other=top",
              "a WM_KILLFOCUS other=c", "c WM_SETFOCUS other=a"}));
    EXPECT_EQ(SetActiveWindow(top), other);
    EXPECT_EQ(GetFocus(), top);
}

}  // namespace
}  // namespace winport::test
