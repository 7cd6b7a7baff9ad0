#include <gtest/gtest.h>

#include "MessageSpy.h"
#include "platform/window/WindowApi.h"

namespace winport::test {
namespace {

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        top = spy.CreateSpyWindow("top");
        a = spy.CreateSpyWindow("a", top, 1);
        b = spy.CreateSpyWindow("b", top, 2);
        SetFocus(nullptr);
        spy.Only({WM_SETFOCUS, WM_KILLFOCUS});
    }

    MessageSpy spy;
    HWND top = nullptr;
    HWND a = nullptr;
    HWND b = nullptr;
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

TEST_F(FocusTest, DisablingHidingOrDestroyingTheFocusWindowTakesTheFocusAwayABadHandleDoesNot) {
    SetFocus(a);
    EXPECT_EQ(SetFocus(reinterpret_cast<HWND>(0x777)), nullptr);
    EXPECT_EQ(GetFocus(), a);
    EnableWindow(a, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    EnableWindow(a, TRUE);

    SetFocus(b);
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);  // Hiding gives the focus to the parent.

    SetFocus(a);
    DestroyWindow(a);
    EXPECT_EQ(GetFocus(), nullptr);
}

}  // namespace
}  // namespace winport::test
