#include "ControlTestSupport.h"
#include "platform/controls/UpDownApi.h"

namespace winport::test {
namespace {

constexpr int kEditId = 50;
constexpr int kSpinId = 51;

// Each UDN_DELTAPOS, scroll message and buddy notification the owner receives as a line; a scroll
// message from another window than |spin| is marked.
std::string Describe(const Message& m, HWND spin) {
    if (m.id == WM_NOTIFY) {
        const auto& step = *reinterpret_cast<const NMUPDOWN*>(m.lParam);
        if (step.hdr.code != UDN_DELTAPOS) return {};
        return "UDN_DELTAPOS pos=" + std::to_string(step.iPos) +
               " delta=" + std::to_string(step.iDelta);
    }
    if (m.id == WM_VSCROLL || m.id == WM_HSCROLL) {
        const WORD code = LOWORD(m.wParam);
        return std::string(m.id == WM_VSCROLL ? "WM_VSCROLL " : "WM_HSCROLL ") +
               (code == SB_THUMBPOSITION ? "SB_THUMBPOSITION "
                : code == SB_ENDSCROLL   ? "SB_ENDSCROLL "
                                         : "? ") +
               std::to_string(static_cast<short>(HIWORD(m.wParam))) +
               (m.lParam == Ptr(spin) ? "" : " from?");
    }
    if (m.id != WM_COMMAND) return {};
    switch (HIWORD(m.wParam)) {
        case EN_SETFOCUS: return "EN_SETFOCUS";
        case EN_UPDATE: return "EN_UPDATE";
        case EN_CHANGE: return "EN_CHANGE";
        default: return {};
    }
}

// Each test starts with an edit and its up-down, UDS_SETBUDDYINT, range 0 to 9.
class UpDownControlTest : public ControlParentTest {
protected:
    void SetUp() override { CreatePair(UDS_SETBUDDYINT); }
    // An edit and, after it, an up-down with |style| that takes it as buddy, range 0 to 9.
    HWND CreatePair(DWORD style, const char* text = "") {
        buddy = CreateControl("Edit", 0, kEditId, "edit", text);
        spin = CreateSpin(style | UDS_AUTOBUDDY);
        SendMessage(spin, UDM_SETRANGE32, 0, 9);
        notifications.lines.clear();
        return spin;
    }
    HWND CreateSpin(DWORD style) {
        return spin = CreateControl(UPDOWN_CLASS, style, kSpinId, "spin");
    }
    LRESULT Pos() const { return SendMessage(spin, UDM_GETPOS, 0, 0); }
    std::string BuddyText() const { return GetWindowTextUtf8(buddy); }
    // A person's press and release on one arrow.
    void Press(SpinArrow arrow) {
        ASSERT_TRUE(agent.PressSpinArrow(spin, arrow)) << agent.LastError();
    }
    void AddStyle(DWORD style) const {
        SetWindowLongPtr(spin, GWL_STYLE, GetWindowLongPtr(spin, GWL_STYLE) | style);
    }

    ParentRecorder notifications{parent, [this](const Message& m) { return Describe(m, spin); }};
    Agent agent;
    HWND buddy = nullptr;
    HWND spin = nullptr;
};

TEST_F(UpDownControlTest, StartsAtZeroInTheRangeHundredToZeroAndRangesAndPositionsClamp) {
    CreateSpin(0);
    EXPECT_EQ(SendMessage(spin, UDM_GETRANGE, 0, 0), MAKELONG(0, 100));
    EXPECT_EQ(Pos(), MAKELONG(0, 1));  // No buddy: the position is reported with the error flag.
    BOOL error = FALSE;
    EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, Ptr(&error)), 0);
    EXPECT_TRUE(error);
    EXPECT_EQ(ClientRect(spin).right, 14);

    SendMessage(spin, UDM_SETRANGE, 0, MAKELPARAM(50, static_cast<WORD>(-20)));
    EXPECT_EQ(SendMessage(spin, UDM_GETRANGE, 0, 0), MAKELONG(50, static_cast<WORD>(-20)));
    int lower = 0;
    int upper = 0;
    SendMessage(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), Ptr(&upper));
    EXPECT_EQ(std::pair(lower, upper), std::pair(-20, 50));
    EXPECT_EQ(SendMessage(spin, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(-5), 0)), 0);
    EXPECT_EQ(SendMessage(spin, UDM_SETPOS, 0, MAKELPARAM(99, 0)), -5);
    EXPECT_EQ(LOWORD(Pos()), 50);
    SendMessage(spin, UDM_SETRANGE32, 100000, 200000);
    EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 100000);  // Reported clamped to the range.
    EXPECT_EQ(SendMessage(spin, UDM_SETPOS32, 0, 150000), 100000);
    EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 150000);
    EXPECT_TRUE(notifications.lines.empty());
}

TEST_F(UpDownControlTest, SetPosWritesTheBuddyWhichNotifiesAsAnySetTextUnlessItAlreadyShowsIt) {
    SendMessage(spin, UDM_SETPOS, 0, 7);
    EXPECT_EQ(BuddyText(), "7");
    SendMessage(spin, UDM_SETPOS32, 0, 7);
    SendMessage(spin, UDM_SETPOS32, 0, 40);  // Clamped to 9.
    EXPECT_EQ(BuddyText(), "9");
    EXPECT_EQ(notifications.lines, (Lines{"EN_UPDATE", "EN_CHANGE", "EN_UPDATE", "EN_CHANGE"}));

    // Without UDS_SETBUDDYINT at creation the buddy is neither written nor read.
    CreatePair(0, "5");
    AddStyle(UDS_SETBUDDYINT);
    SendMessage(spin, UDM_SETPOS, 0, 3);
    EXPECT_EQ(BuddyText(), "5");
    EXPECT_EQ(Pos(), MAKELONG(3, 1));
}

TEST_F(UpDownControlTest, BuddyTextGroupsThousandsUnlessToldAndGetPosFlagsTextOutOfRange) {
    SendMessage(spin, UDM_SETRANGE32, static_cast<WPARAM>(-2000000), 2000000);
    SendMessage(spin, UDM_SETPOS32, 0, 1234567);
    EXPECT_EQ(BuddyText(), "1,234,567");
    SendMessage(spin, UDM_SETPOS32, 0, -1000);
    EXPECT_EQ(BuddyText(), "-1,000");
    AddStyle(UDS_NOTHOUSANDS);
    SendMessage(spin, UDM_SETPOS32, 0, 4321);
    EXPECT_EQ(BuddyText(), "4321");
    EXPECT_EQ(SendMessage(spin, UDM_SETBASE, 16, 0), 10);
    EXPECT_EQ(BuddyText(), "0x10E1");
    EXPECT_EQ(SendMessage(spin, UDM_SETBASE, 8, 0), 0);
    EXPECT_EQ(SendMessage(spin, UDM_GETBASE, 0, 0), 16);
    SetWindowText(buddy, "0x0010");
    EXPECT_EQ(Pos(), MAKELONG(16, 0));

    CreatePair(UDS_SETBUDDYINT);
    SendMessage(spin, UDM_SETRANGE32, static_cast<WPARAM>(-5), 5000);
    const std::pair<const char*, LRESULT> cases[] = {
        {"12", MAKELONG(12, 0)},
        {"-3", MAKELONG(static_cast<WORD>(-3), 0)},
        {"1,234", MAKELONG(1234, 0)},
        {"", MAKELONG(0, 0)},
        {"12a", MAKELONG(4, 1)},
        {"1 2", MAKELONG(4, 1)},
        // A number outside the range is taken clamped into it, with the error flag.
        {"9999", MAKELONG(5000, 1)},
        {"-9", MAKELONG(static_cast<WORD>(-5), 1)}};
    for (const auto& [text, pos] : cases) {
        SendMessage(spin, UDM_SETPOS32, 0, 4);
        SetWindowText(buddy, text);
        EXPECT_EQ(Pos(), pos) << text;
    }
}

TEST_F(UpDownControlTest, APressStepsReadsTheBuddyFirstAndReportsAsWindowsDoes) {
    SetWindowText(buddy, "4");
    notifications.lines.clear();
    Press(SpinArrow::Up);
    EXPECT_EQ(BuddyText(), "5");
    EXPECT_EQ(GetFocus(), buddy);
    EXPECT_EQ(notifications.lines,
              (Lines{"EN_SETFOCUS", "UDN_DELTAPOS pos=4 delta=1", "EN_UPDATE", "EN_CHANGE",
                     "WM_VSCROLL SB_THUMBPOSITION 5", "WM_VSCROLL SB_ENDSCROLL 5"}));
    notifications.lines.clear();
    Press(SpinArrow::Down);
    EXPECT_EQ(LOWORD(Pos()), 4);
    EXPECT_EQ(notifications.lines,
              (Lines{"UDN_DELTAPOS pos=5 delta=-1", "EN_UPDATE", "EN_CHANGE",
                     "WM_VSCROLL SB_THUMBPOSITION 4", "WM_VSCROLL SB_ENDSCROLL 4"}));

    // An inverted range makes Up decrease.
    SendMessage(spin, UDM_SETRANGE, 0, MAKELPARAM(0, 10));  // Upper 0, lower 10.
    SendMessage(spin, UDM_SETPOS, 0, 6);
    notifications.lines.clear();
    Press(SpinArrow::Up);
    EXPECT_EQ(BuddyText(), "5");
    EXPECT_EQ(notifications.lines.at(0), "UDN_DELTAPOS pos=6 delta=-1");
}

TEST_F(UpDownControlTest, PressesStopAtTheEndsOrWrapAndTheParentMayRefuseOrChangeTheStep) {
    SendMessage(spin, UDM_SETPOS, 0, 9);
    notifications.lines.clear();
    Press(SpinArrow::Up);
    EXPECT_EQ(BuddyText(), "9");
    EXPECT_EQ(notifications.lines,
              (Lines{"EN_SETFOCUS", "UDN_DELTAPOS pos=9 delta=1", "WM_VSCROLL SB_THUMBPOSITION 9",
                     "WM_VSCROLL SB_ENDSCROLL 9"}));
    AddStyle(UDS_WRAP);
    Press(SpinArrow::Up);
    EXPECT_EQ(BuddyText(), "0");
    Press(SpinArrow::Down);
    EXPECT_EQ(BuddyText(), "9");

    CreatePair(UDS_SETBUDDYINT);
    SendMessage(spin, UDM_SETPOS, 0, 3);
    notifications.onNotify = Refuse(UDN_DELTAPOS);
    notifications.lines.clear();
    Press(SpinArrow::Up);
    EXPECT_EQ(BuddyText(), "3");
    EXPECT_EQ(Pos(), MAKELONG(3, 0));
    // Windows sends WM_VSCROLL after a refused step too, with the unchanged position.
    EXPECT_EQ(notifications.lines,
              (Lines{"EN_SETFOCUS", "UDN_DELTAPOS pos=3 delta=1", "WM_VSCROLL SB_THUMBPOSITION 3",
                     "WM_VSCROLL SB_ENDSCROLL 3"}));
    // The delta the handler leaves is the one applied.
    notifications.onNotify = [](NMHDR& step) -> LRESULT {
        reinterpret_cast<NMUPDOWN&>(step).iDelta = 5;
        return 0;
    };
    Press(SpinArrow::Up);
    EXPECT_EQ(BuddyText(), "8");
}

TEST_F(UpDownControlTest, ArrowKeysStepWhenTheUpDownHasThemAndADisabledBuddyTakesNoPress) {
    SendMessage(spin, WM_KEYDOWN, VK_UP, 0);
    EnableWindow(buddy, FALSE);
    SendMessage(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
    SendMessage(spin, WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
    EXPECT_TRUE(notifications.lines.empty());
    CreatePair(UDS_SETBUDDYINT | UDS_ARROWKEYS);
    SendMessage(spin, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(notifications.lines, (Lines{"UDN_DELTAPOS pos=0 delta=1", "EN_UPDATE", "EN_CHANGE",
                                          "WM_VSCROLL SB_THUMBPOSITION 1"}));
}

TEST_F(UpDownControlTest, ParentDestroyingTheUpDownInsideDeltaPosEndsThePress) {
    notifications.onNotify = DestroyInside(UDN_DELTAPOS);
    Press(SpinArrow::Up);
    EXPECT_FALSE(IsWindow(spin));
    EXPECT_EQ(BuddyText(), "");
    EXPECT_EQ(notifications.lines, (Lines{"EN_SETFOCUS", "UDN_DELTAPOS pos=0 delta=1"}));
}

TEST_F(UpDownControlTest, AlignRightNarrowsTheBuddyAndTheDumpAndAgentSeeTheUpDown) {
    buddy = CreateChild(parent, "Edit", 0, kEditId, {10, 5, 80, 21});
    CreateSpin(UDS_ALIGNRIGHT);
    EXPECT_EQ(SendMessage(spin, UDM_GETBUDDY, 0, 0), 0);
    EXPECT_EQ(SendMessage(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0), 0);
    EXPECT_EQ(SendMessage(spin, UDM_GETBUDDY, 0, 0), Ptr(buddy));
    EXPECT_EQ(WindowRect(buddy, parent), (RECT{10, 5, 76, 26}));
    EXPECT_EQ(WindowRect(spin, parent), (RECT{74, 5, 88, 26}));  // Over the edit's border.

    // Auto-buddy takes the previous sibling, and UDM_SETBUDDY answers the old buddy.
    CreatePair(0);
    EXPECT_EQ(SendMessage(spin, UDM_GETBUDDY, 0, 0), Ptr(buddy));
    EXPECT_EQ(SendMessage(spin, UDM_SETBUDDY, 0x4242, 0), Ptr(buddy));
    EXPECT_EQ(SendMessage(spin, UDM_GETBUDDY, 0, 0), 0);  // An invented handle sets none.

    CreatePair(UDS_SETBUDDYINT);
    SendMessage(spin, UDM_SETPOS, 0, 2);
    SetWindowText(buddy, "6");  // Typed but not yet read: the dump shows what the buddy holds.
    EXPECT_TRUE(DumpShows(parent, "msctls_updown32 51 \"\" [pos=6, range=0..9]"));
    ShowWindow(spin, SW_HIDE);
    EXPECT_REFUSED(agent, PressSpinArrow(spin, SpinArrow::Up), "msctls_updown32 51 is not visible");
}

}  // namespace
}  // namespace winport::test
