#include "ControlTestSupport.h"

namespace winport::test {
namespace {

using WindowTreeTest = ControlParentTest;

TEST_F(WindowTreeTest, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirstEvenFromAHandler) {
    const HWND top = spy.CreateSpyWindow("top");
    const HWND a = spy.CreateSpyWindow("a", top, 1);
    spy.CreateSpyWindow("a1", a, 11);
    spy.CreateSpyWindow("b", top, 2);
    spy.Only({WM_DESTROY, WM_NCDESTROY});

    ASSERT_TRUE(DestroyWindow(top));

    EXPECT_TRUE(SequenceIs(
        spy, {"top WM_DESTROY", "a WM_DESTROY", "a1 WM_DESTROY", "b WM_DESTROY", "a1 WM_NCDESTROY",
              "a WM_NCDESTROY", "b WM_NCDESTROY", "top WM_NCDESTROY"}));
    for (const HWND gone : {top, a}) EXPECT_FALSE(IsWindow(gone));

    const HWND self = spy.CreateSpyWindow("top");
    const MessageHook destroyer(self, [](const Message& m) -> std::optional<LRESULT> {
        if (m.id != WM_USER) return std::nullopt;
        DestroyWindow(m.hwnd);
        return IsWindow(m.hwnd) ? 1 : 2;
    });
    EXPECT_EQ(SendMessage(self, WM_USER, 0, 0), 2);
    EXPECT_FALSE(IsWindow(self));
}

TEST_F(WindowTreeTest, DestroyedInventedAndReusedHandlesAndUnknownClassesFailClearly) {
    const HWND top = spy.CreateSpyWindow("top");
    DestroyWindow(top);
    const HWND invented = reinterpret_cast<HWND>(0x1234567);
    for (HWND bad : {top, invented}) {
        SetLastError(0);
        EXPECT_TRUE(FailsWith(SendMessage(bad, WM_USER, 0, 0), ERROR_INVALID_WINDOW_HANDLE));
        EXPECT_NE(GetLastErrorText().find("is not a window"), std::string::npos);
        EXPECT_FALSE(PostMessage(bad, WM_USER, 0, 0));
        EXPECT_FALSE(DestroyWindow(bad));
        EXPECT_FALSE(SetWindowText(bad, "x"));
        EXPECT_EQ(GetParent(bad), nullptr);
    }

    const HWND first = spy.CreateSpyWindow("first");
    DestroyWindow(first);
    const HWND second = spy.CreateSpyWindow("second");
    EXPECT_NE(first, second);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second));

    EXPECT_TRUE(FailsWith(
        CreateWindowEx(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_NE(GetLastErrorText().find("NoSuchClass"), std::string::npos);
}

TEST_F(WindowTreeTest, ChildrenKeepCreationOrderItemsAreFoundByIdAndTextIsCutOnCharacters) {
    const HWND top = spy.CreateSpyWindow("top");
    const HWND a = spy.CreateSpyWindow("a", top, 10);
    const HWND b = spy.CreateSpyWindow("b", top, 20);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetDlgItem(top, 20), b);
    EXPECT_EQ(GetDlgItem(top, 30), nullptr);
    EXPECT_EQ(GetDlgCtrlID(b), 20);
    EXPECT_EQ(GetParent(b), top);
    EXPECT_TRUE(IsChild(top, b));
    EXPECT_FALSE(IsChild(b, top));

    ASSERT_TRUE(SetWindowText(top, "Ελληνικά 日本"));
    EXPECT_EQ(GetWindowTextUtf8(top), "Ελληνικά 日本");
    char buffer[6];
    // "Ελ" is four bytes; the third letter would not fit whole in five.
    EXPECT_EQ(GetWindowText(top, buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "Ελ");
}

TEST_F(WindowTreeTest, FindWindowMatchesExactTopLevelTitlesAndSetWindowPosReorders) {
    const HWND first = spy.CreateSpyWindow("Homepage Factory");
    const HWND second = spy.CreateSpyWindow("Other");
    spy.CreateSpyWindow("Homepage Factory child", second, 1);
    EXPECT_EQ(FindWindow(nullptr, "Homepage Factory"), first);
    EXPECT_EQ(FindWindow(nullptr, "Homepage"), nullptr);
    EXPECT_EQ(FindWindow(nullptr, "Homepage Factory child"), nullptr);
    EXPECT_EQ(GetTopWindow(nullptr), second);  // The newest is on top.
    ASSERT_TRUE(SetWindowPos(first, HWND_TOP, 5, 5, 9, 9, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetTopWindow(nullptr), first);
    EXPECT_EQ(WindowRect(first), (RECT{0, 0, 200, 100}));  // Neither moved nor resized.
}

TEST_F(WindowTreeTest, ShowEnableAndMoveNotifyOnChangeAndChildGeometryIsRelativeToItsParent) {
    const HWND top = spy.CreateSpyWindow("top");
    spy.Only({WM_SHOWWINDOW, WM_ENABLE});
    EXPECT_TRUE(ShowWindow(top, SW_HIDE));
    EXPECT_FALSE(ShowWindow(top, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(top));
    EXPECT_FALSE(EnableWindow(top, FALSE));
    EXPECT_TRUE(EnableWindow(top, FALSE));
    EXPECT_FALSE(IsWindowEnabled(top));
    EXPECT_TRUE(EnableWindow(top, TRUE));
    EXPECT_TRUE(SequenceIs(spy, {"top WM_SHOWWINDOW", "top WM_ENABLE", "top WM_ENABLE"}));

    const HWND child = spy.CreateSpyWindow("child", top, 1);
    MoveWindow(top, 100, 50, 300, 200, TRUE);
    spy.Only({WM_MOVE, WM_SIZE});
    MoveWindow(child, 10, 20, 30, 40, TRUE);
    EXPECT_TRUE(SequenceIs(spy, {"child WM_MOVE", "child WM_SIZE"}));
    EXPECT_EQ(WindowRect(child), (RECT{110, 70, 140, 110}));
    EXPECT_EQ(ClientRect(child), (RECT{0, 0, 30, 40}));
}

}  // namespace
}  // namespace winport::test
