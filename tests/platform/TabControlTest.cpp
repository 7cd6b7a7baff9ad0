#include <initializer_list>
#include <tuple>

#include "ControlTestSupport.h"
#include "platform/controls/TabControlApi.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"

namespace winport::test {
namespace {

constexpr int kTabId = 60;

// Each notification the owner receives as a line, with the selection the control reports while
// the owner handles it.
std::string Describe(const Message& m) {
    if (m.id != WM_NOTIFY) return {};
    const auto& header = *reinterpret_cast<const NMHDR*>(m.lParam);
    const std::string selection =
        " sel=" + std::to_string(SendMessage(header.hwndFrom, TCM_GETCURSEL, 0, 0));
    switch (header.code) {
        case TCN_SELCHANGING: return "TCN_SELCHANGING" + selection;
        case TCN_SELCHANGE: return "TCN_SELCHANGE" + selection;
        case NM_CLICK: return "NM_CLICK";
        case TCN_KEYDOWN:
            return "TCN_KEYDOWN " +
                   std::to_string(reinterpret_cast<const NMTCKEYDOWN&>(header).wVKey);
        default: return {};
    }
}

class TabControlTest : public ControlParentTest {
protected:
    void TearDown() override {
        ControlParentTest::TearDown();
        if (font) DeleteObject(font);
    }
    HWND CreateTabs(std::initializer_list<const char*> captions) {
        tab = CreateControl(WC_TABCONTROL, WS_TABSTOP, kTabId, "tab", "", 300, 100);
        for (const char* caption : captions) Insert(99, caption);
        notifications.lines.clear();
        return tab;
    }
    LRESULT Insert(int index, const char* caption, UINT mask = TCIF_TEXT, int image = 0) {
        const TCITEMA item{.mask = mask,
                           .pszText = const_cast<char*>(caption),
                           .iImage = image,
                           .lParam = 1000 + index};
        return SendMessage(tab, TCM_INSERTITEMA, static_cast<WPARAM>(index), Ptr(&item));
    }
    LRESULT GetItem(int index, TCITEMA& item) const {
        return SendMessage(tab, TCM_GETITEMA, static_cast<WPARAM>(index), Ptr(&item));
    }
    LRESULT SetItem(int index, const TCITEMA& item) {
        return SendMessage(tab, TCM_SETITEMA, static_cast<WPARAM>(index), Ptr(&item));
    }
    std::string Caption(int index) const {
        char buffer[64] = "unchanged";
        TCITEMA item{.mask = TCIF_TEXT, .pszText = buffer, .cchTextMax = sizeof buffer};
        return GetItem(index, item) ? buffer : "(none)";
    }
    LRESULT Selected() const { return SendMessage(tab, TCM_GETCURSEL, 0, 0); }
    LRESULT Count() const { return SendMessage(tab, TCM_GETITEMCOUNT, 0, 0); }
    RECT ItemRect(int index) const {
        RECT rect;
        EXPECT_TRUE(SendMessage(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), Ptr(&rect)));
        return rect;
    }
    void UseDialogFont() {
        font = CreateDialogFont();  // 6 x 13 at 96 dpi.
        SendMessage(tab, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    void PressKey(UINT key, KeyModifier modifier = KeyModifier::None) {
        SetFocus(tab);
        notifications.lines.clear();
        ASSERT_TRUE(agent.PressKey(key, modifier)) << agent.LastError();
    }

    ParentRecorder notifications{parent, Describe};
    Agent agent;
    HWND tab = nullptr;
    HFONT font = nullptr;
};

TEST_F(TabControlTest, InsertingSelectsTheFirstTabAndItemsKeepTextImageAndDataAndBadIndexesFail) {
    CreateTabs({});
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(Insert(5, "Main"), 0);  // Past the end: appended.
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Insert(0, "First"), 0);
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Insert(2, "Work"), 2);
    EXPECT_EQ(Insert(-1, "Bad"), -1);
    EXPECT_EQ(Count(), 3);
    EXPECT_EQ((Lines{Caption(0), Caption(1)}), (Lines{"First", "Main"}));
    EXPECT_TRUE(notifications.lines.empty());

    CreateTabs({"Home"});
    EXPECT_EQ(Insert(1, "Ελληνικά", TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM, 53), 1);
    TCITEMA item{.mask = TCIF_IMAGE | TCIF_PARAM};
    ASSERT_TRUE(GetItem(1, item));
    EXPECT_EQ(std::tie(item.iImage, item.lParam), std::make_tuple(53, LPARAM{1001}));
    ASSERT_TRUE(GetItem(0, item));
    EXPECT_EQ(item.iImage, -1);  // A tab given no image has none.

    char small[6];
    item = {.mask = TCIF_TEXT, .pszText = small, .cchTextMax = sizeof small};
    GetItem(1, item);
    EXPECT_STREQ(small, "Ελ");  // Cut on a character boundary.

    item = {.mask = TCIF_TEXT | TCIF_IMAGE, .pszText = const_cast<char*>("Work"), .iImage = 58};
    EXPECT_TRUE(SetItem(0, item));
    EXPECT_EQ(Caption(0), "Work");
    EXPECT_FALSE(SetItem(2, item));
    item = {.mask = TCIF_IMAGE, .iImage = 77};
    EXPECT_FALSE(GetItem(-1, item));
    EXPECT_EQ(item.iImage, 0);
    EXPECT_EQ(Caption(7), "(none)");
    EXPECT_TRUE(notifications.lines.empty());
}

TEST_F(TabControlTest, DeletingAndSetCurSelChangeTheSelectionSilentlyAndSetCurFocusNotifies) {
    CreateTabs({"Main", "Home", "Work"});
    SendMessage(tab, TCM_SETCURSEL, 2, 0);
    EXPECT_TRUE(SendMessage(tab, TCM_DELETEITEM, 0, 0));
    EXPECT_EQ(Selected(), 1);
    EXPECT_FALSE(SendMessage(tab, TCM_DELETEITEM, 5, 0));
    EXPECT_TRUE(SendMessage(tab, TCM_DELETEITEM, 1, 0));
    EXPECT_EQ(Selected(), -1);
    EXPECT_TRUE(SendMessage(tab, TCM_DELETEALLITEMS, 0, 0));
    EXPECT_EQ(Count(), 0);
    EXPECT_TRUE(notifications.lines.empty());

    CreateTabs({"Main", "Home", "Work"});
    EXPECT_EQ(SendMessage(tab, TCM_SETCURSEL, 2, 0), 0);
    EXPECT_EQ(SendMessage(tab, TCM_SETCURSEL, 3, 0), -1);  // Past the end: refused.
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(SendMessage(tab, TCM_SETCURSEL, static_cast<WPARAM>(-1), 0), 2);
    EXPECT_EQ(Selected(), -1);
    EXPECT_TRUE(notifications.lines.empty());
    // TCM_SETCURFOCUS picks the tab as a person would, and says so.
    SendMessage(tab, TCM_SETCURFOCUS, 1, 0);
    EXPECT_EQ(SendMessage(tab, TCM_GETCURFOCUS, 0, 0), 1);
    EXPECT_EQ(notifications.lines, (Lines{"TCN_SELCHANGING sel=-1", "TCN_SELCHANGE sel=1"}));
}

TEST_F(TabControlTest,
       APersonsClickOrKeyAsksThenTellsARefusedPickKeepsTheSelectionAndADestroyedTabEndsIt) {
    CreateTabs({"Main", "Home", "Work"});
    ASSERT_TRUE(agent.SelectTab(tab, "Work"));
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(GetFocus(), tab);
    EXPECT_EQ(notifications.lines,
              (Lines{"TCN_SELCHANGING sel=0", "TCN_SELCHANGE sel=2", "NM_CLICK"}));
    notifications.lines.clear();
    ASSERT_TRUE(agent.SelectTab(tab, 2));  // The selected tab again: only the click.
    EXPECT_EQ(notifications.lines, Lines{"NM_CLICK"});

    CreateTabs({"Main", "Home", "Work"});
    PressKey(VK_RIGHT);
    EXPECT_EQ(notifications.lines,
              (Lines{"TCN_KEYDOWN 39", "TCN_SELCHANGING sel=0", "TCN_SELCHANGE sel=1"}));
    PressKey(VK_TAB, KeyModifier::Control);
    PressKey(VK_TAB, KeyModifier::Control);
    EXPECT_EQ(Selected(), 0);  // Round from the last tab to the first.
    PressKey(VK_LEFT);
    EXPECT_EQ(notifications.lines, Lines{"TCN_KEYDOWN 37"});  // Nothing left of the first.
    EXPECT_EQ(Selected(), 0);

    CreateTabs({"Main", "Home", "Work"});
    notifications.onNotify = Refuse(TCN_SELCHANGING);
    EXPECT_REFUSED(agent, SelectTab(tab, "Home"), "SysTabControl32 60 did not change to tab 1");
    PressKey(VK_RIGHT);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(notifications.lines, (Lines{"TCN_KEYDOWN 39", "TCN_SELCHANGING sel=0"}));

    // A parent may destroy the control inside TCN_SELCHANGE.
    CreateTabs({"Main", "Home"});
    notifications.onNotify = DestroyInside(TCN_SELCHANGE);
    ASSERT_TRUE(agent.SelectTab(tab, "Home"));
    EXPECT_FALSE(IsWindow(tab));
    EXPECT_EQ(notifications.lines, (Lines{"TCN_SELCHANGING sel=0", "TCN_SELCHANGE sel=1"}));
}

TEST_F(TabControlTest, TabsAreAsWideAsTheirCaptionInTheFontWithPaddingAndIconAndHitsFindThem) {
    CreateTabs({"Home", "Affiliations"});
    UseDialogFont();
    // At least six characters wide, plus six pixels of padding on each side; 13 + 2 + 3 high.
    EXPECT_EQ(ItemRect(0), (RECT{2, 2, 50, 20}));
    EXPECT_EQ(ItemRect(1), (RECT{50, 2, 134, 20}));
    RECT rect{0, 0, 200, 100};
    SendMessage(tab, TCM_ADJUSTRECT, FALSE, Ptr(&rect));
    EXPECT_EQ(rect, (RECT{4, 22, 196, 96}));
    SendMessage(tab, TCM_ADJUSTRECT, TRUE, Ptr(&rect));
    EXPECT_EQ(rect, (RECT{0, 0, 200, 100}));
    for (const auto& [y, index, flags] : {std::tuple(10, 1, TCHT_ONITEM), {30, -1, TCHT_NOWHERE}}) {
        TCHITTESTINFO hit{.pt = {60, y}};
        EXPECT_EQ(SendMessage(tab, TCM_HITTEST, 0, Ptr(&hit)), index);
        EXPECT_EQ(hit.flags, flags);
    }
    SendMessage(tab, TCM_SETPADDING, 0, MAKELPARAM(12, 4));
    EXPECT_EQ(ItemRect(1), (RECT{62, 2, 158, 21}));
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    EXPECT_EQ(SendMessage(tab, TCM_SETIMAGELIST, 0, Ptr(images)), 0);
    EXPECT_EQ(ItemRect(0), (RECT{2, 2, 78, 22}));  // 16 + 12 for the icon; 16 + 4 high.
    EXPECT_FALSE(SendMessage(tab, TCM_GETITEMRECT, 2, Ptr(&rect)));
    SendMessage(tab, TCM_SETIMAGELIST, 0, 0);
    ImageList_Destroy(images);
}

TEST_F(TabControlTest, AgentNamesMissingTabsAndDumpShowsCaptions) {
    CreateTabs({"Main", "Home"});
    SetItem(1, {.mask = TCIF_IMAGE, .iImage = 53});
    SendMessage(tab, TCM_SETCURSEL, 1, 0);
    EXPECT_TRUE(DumpShows(
        parent, "SysTabControl32 60 \"\" [tabstop, \"Main\", \"Home\" selected image=53]"));
    EXPECT_REFUSED(agent, SelectTab(tab, "Work"), "SysTabControl32 60 has no tab \"Work\"");
    EXPECT_REFUSED(agent, SelectTab(tab, 2), "SysTabControl32 60 has no tab 2");
}

}  // namespace
}  // namespace winport::test
