#include "ControlTestSupport.h"
#include "platform/mfc/Wnd.h"

namespace winport::test {
namespace {

constexpr UINT kCustom = WM_USER + 0x26;
constexpr UINT kNotifyCode = static_cast<UINT>(-101);

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> calls;

    void OnBaseCommand() { calls.push_back("base 7"); }
    void OnOverridden() { calls.push_back("base 8"); }

    std::optional<LRESULT> OnMessage(const Message& m) override {
        if (auto result = RouteMessage(*this, kRoutes, m)) return result;
        return CWnd::OnMessage(m);
    }

private:
    static constexpr Route<CBaseWnd> kRoutes[] = {
        {WM_COMMAND, BN_CLICKED, 7, &CBaseWnd::OnBaseCommand},
        {WM_COMMAND, BN_CLICKED, 8, &CBaseWnd::OnOverridden},
    };
};

class CDerivedWnd : public CBaseWnd {
public:
    bool declineCustom = false;

    void OnOverriddenHere() { calls.push_back("derived 8"); }
    void OnChange() { calls.push_back("change 9"); }
    void OnItemChanged(NMHDR* header, LRESULT* result) {
        calls.push_back("notify " + std::to_string(header->idFrom));
        *result = 5;
    }
    LRESULT OnCustom(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
    std::optional<LRESULT> OnMaybe(const Message& m) {
        if (declineCustom) return std::nullopt;
        return static_cast<LRESULT>(m.lParam);
    }

    std::optional<LRESULT> OnMessage(const Message& m) override {
        if (auto result = RouteMessage(*this, kRoutes, m)) return result;
        return CBaseWnd::OnMessage(m);
    }

private:
    static constexpr Route<CDerivedWnd> kRoutes[] = {
        {WM_COMMAND, BN_CLICKED, 8, &CDerivedWnd::OnOverriddenHere},
        {WM_COMMAND, EN_CHANGE, 9, &CDerivedWnd::OnChange},
        {WM_NOTIFY, kNotifyCode, 42, &CDerivedWnd::OnItemChanged},
        {kCustom, &CDerivedWnd::OnCustom},
        {kCustom + 1, &CDerivedWnd::OnMaybe},
    };
};

class MessageTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.CreateEx(0, "WinportTestSpy", "routed", WS_VISIBLE, RECT{0, 0, 10, 10},
                                    nullptr, 0));
        spy.Name(window.m_hWnd, "routed");
    }
    void TearDown() override { window.DestroyWindow(); }

    MessageSpy spy;  // Registers the spy class, whose procedure logs what falls through.
    CDerivedWnd window;
};

TEST_F(MessageTableTest, TheMostDerivedEntryWinsUnmatchedOnesReachTheBaseAndHandlersAnswer) {
    window.SendMessage(WM_COMMAND, MAKEWPARAM(8, BN_CLICKED));
    window.SendMessage(WM_COMMAND, MAKEWPARAM(7, BN_CLICKED));
    window.SendMessage(WM_COMMAND, MAKEWPARAM(9, EN_CHANGE));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"derived 8", "base 7", "change 9"}));

    window.calls.clear();
    NMHDR header{nullptr, 42, kNotifyCode};
    EXPECT_EQ(window.SendMessage(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header)), 5);
    EXPECT_EQ(window.calls, std::vector<std::string>{"notify 42"});
    EXPECT_EQ(window.SendMessage(kCustom, 21, 0), 42);
}

TEST_F(MessageTableTest, CodeAndIdMustMatchDeclinedMessagesFallThroughAndFromHandleFindsTheObject) {
    spy.Only({WM_COMMAND});
    window.SendMessage(WM_COMMAND, MAKEWPARAM(9, EN_UPDATE));
    window.SendMessage(WM_COMMAND, MAKEWPARAM(10, EN_CHANGE));
    EXPECT_TRUE(window.calls.empty());
    // Unhandled commands fall through to the class procedure.
    EXPECT_TRUE(
        SequenceIs(spy, {"routed WM_COMMAND EN_UPDATE 9", "routed WM_COMMAND EN_CHANGE 10"}));

    EXPECT_EQ(window.SendMessage(kCustom + 1, 0, 17), 17);
    window.declineCustom = true;
    spy.Only({kCustom + 1});
    EXPECT_EQ(window.SendMessage(kCustom + 1, 0, 17), 0);
    EXPECT_TRUE(SequenceIs(spy, {"routed WM_USER+0x27"}));

    EXPECT_EQ(CWnd::FromHandle(window.m_hWnd), &window);
    const HWND bare = spy.CreateSpyWindow("bare", window.m_hWnd, 3);
    CWnd* wrapper = CWnd::FromHandle(bare);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, bare);
    EXPECT_EQ(CWnd::FromHandle(bare), wrapper);
    EXPECT_EQ(window.GetDlgItem(3), wrapper);
    EXPECT_EQ(CWnd::FromHandle(reinterpret_cast<HWND>(0x55)), nullptr);
}

TEST(MessageTableLifetimeTest,
     PostNcDestroyMayDeleteTheObjectAndAnObjectLeavingScopeTakesItsWindowDown) {
    MessageSpy spy;
    struct SelfDeleting : CWnd {
        bool* deleted;
        explicit SelfDeleting(bool* flag) : deleted(flag) {}
        ~SelfDeleting() override { *deleted = true; }
        void PostNcDestroy() override { delete this; }
    };
    bool deleted = false;
    auto* window = new SelfDeleting(&deleted);
    ASSERT_TRUE(window->CreateEx(0, "WinportTestSpy", "", 0, RECT{}, nullptr, 0));
    const HWND hwnd = window->m_hWnd;
    ::DestroyWindow(hwnd);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(hwnd));

    HWND scoped = nullptr;
    {
        CWnd object;
        ASSERT_TRUE(object.CreateEx(0, "WinportTestSpy", "", 0, RECT{}, nullptr, 0));
        scoped = object.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(scoped));
}

}  // namespace
}  // namespace winport::test
