#include <tuple>

#include "ListBoxTestSupport.h"
#include "platform/controls/ComboBoxState.h"
#include "platform/controls/Paint.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/StateDescription.h"

namespace winport::test {
namespace {

constexpr int kComboId = 50;
// The system font is 16 pixels tall: the field's text takes 18, its frame 6 more.
constexpr int kFieldHeight = 24;

class ComboBoxTest : public ControlParentTest {
protected:
    HWND CreateCombo(DWORD style, int height = 100) {
        return CreateControl("ComboBox", style, kComboId, "combo", "", 120, height);
    }
    HWND CreateFilled(DWORD style, const std::vector<const char*>& texts) {
        const HWND combo = CreateCombo(style);
        for (const char* text : texts) Add(combo, text);
        log.Clear();
        return combo;
    }
    static LRESULT Add(HWND combo, const char* text) {
        return SendMessage(combo, CB_ADDSTRING, 0, Ptr(text));
    }
    static Lines Texts(HWND combo) {
        return ItemTexts(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    }
    static LRESULT Selection(HWND combo) { return SendMessage(combo, CB_GETCURSEL, 0, 0); }
    static LRESULT Dropped(HWND combo) { return SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0); }
    static HWND Edit(HWND combo) { return GetDlgItem(combo, kComboEditId); }
    static LRESULT DroppedHeight(HWND combo) {
        RECT dropped{};
        EXPECT_EQ(SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, Ptr(&dropped)), TRUE);
        return dropped.bottom - dropped.top;
    }

    ParentLog log{parent};
    Agent agent;
};

TEST_F(ComboBoxTest, KindsShapeTheWindowAndTheEditableOnesKeepAnEdit) {
    const HWND dropDown = CreateCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL, 120);
    const HWND dropList = CreateCombo(CBS_DROPDOWNLIST, 120);
    const HWND simple = CreateCombo(CBS_SIMPLE, 120);
    EXPECT_EQ(std::tuple(ClientHeight(dropDown), ClientHeight(dropList), ClientHeight(simple)),
              std::tuple(kFieldHeight, kFieldHeight, 120));
    EXPECT_EQ(SendMessage(dropDown, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 18);
    EXPECT_EQ(SendMessage(dropDown, CB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(GetClassNameOf(Edit(dropDown)), "Edit");
    EXPECT_TRUE(GetWindowLongPtr(Edit(dropDown), GWL_STYLE) & ES_AUTOHSCROLL);
    EXPECT_NE(Edit(simple), nullptr);
    EXPECT_EQ(Edit(dropList), nullptr);
    // The height a drop-down is created with is the room its list takes when it drops.
    EXPECT_EQ(DroppedHeight(dropDown), 120);
    MoveWindow(dropDown, 0, 0, 120, 200, FALSE);
    EXPECT_EQ(ClientHeight(dropDown), kFieldHeight);
    EXPECT_EQ(DroppedHeight(dropDown), 200);
    EXPECT_EQ(SendMessage(dropList, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20), CB_OKAY);
    EXPECT_EQ(ClientHeight(dropList), 26);
    EXPECT_EQ(SendMessage(dropList, CB_SETITEMHEIGHT, 0, 300), CB_ERR);
    // A dialog's font makes the field and the rows shorter.
    const HFONT font = CreateDialogFont();
    SendMessage(dropDown, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(ClientHeight(dropDown), 13 + 2 + 6);
    EXPECT_EQ(SendMessage(dropDown, CB_GETITEMHEIGHT, 0, 0), 13);
    DestroyWindow(dropDown);
    DeleteObject(font);
}

TEST_F(ComboBoxTest, APersonsPickNotifiesWithTheNewSelectionAndTheProgramsSelectionDoesNot) {
    // A click on an item of the dropped list sends CBN_SELENDOK and CBN_CLOSEUP before
    // CBN_SELCHANGE; a simple combo has no list to close.
    const Lines dropped = {"CBN_SETFOCUS", "CBN_DROPDOWN", "CBN_SELENDOK", "CBN_CLOSEUP",
                           "CBN_SELCHANGE"};
    const std::pair<DWORD, Lines> kinds[] = {
        {CBS_DROPDOWNLIST, dropped},
        {CBS_DROPDOWN, dropped},
        {CBS_SIMPLE, {"CBN_SETFOCUS", "CBN_SELENDOK", "CBN_SELCHANGE"}}};
    // CBN_SELCHANGE sees the new selection while a drop-down's field still shows the old text.
    std::pair<LRESULT, std::string> seen;
    log.OnCommand([&](HWND control, WORD code) {
        if (code == CBN_SELCHANGE) seen = {Selection(control), GetWindowTextUtf8(control)};
    });
    for (const auto& [style, pick] : kinds) {
        SCOPED_TRACE(style);
        SetFocus(nullptr);
        const HWND combo = CreateFilled(style, {"Alpha", "Beta", "Gamma"});
        EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 2, 0), 2);
        EXPECT_EQ(GetWindowTextUtf8(combo), "Gamma");
        EXPECT_EQ(log.Log(), Lines{});

        ASSERT_TRUE(agent.PickComboItem(combo, "beta")) << agent.LastError();
        EXPECT_EQ(std::tuple(Selection(combo), GetWindowTextUtf8(combo), Dropped(combo)),
                  std::tuple(1, "Beta", FALSE));
        EXPECT_EQ(log.Log(), pick);
        EXPECT_EQ(seen.first, 1);
        EXPECT_TRUE(style != CBS_DROPDOWN || seen.second == "Gamma") << seen.second;

        log.Clear();
        EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
        EXPECT_EQ(std::tuple(Selection(combo), GetWindowTextUtf8(combo)), std::tuple(CB_ERR, ""));
        EXPECT_EQ(log.Log(), Lines{});
    }
}

TEST_F(ComboBoxTest, TypingNotifiesTheProgramsTextDoesNotAndLimitAndSelectionReachTheEdit) {
    const HWND combo = CreateFilled(CBS_DROPDOWN, {"Berlin", "Bern", "Bonn"});
    SendMessage(combo, CB_SETCURSEL, 2, 0);
    ASSERT_TRUE(agent.TypeInCombo(combo, "Be"));
    EXPECT_EQ(GetWindowTextUtf8(combo), "Be");
    EXPECT_EQ(log.Log(), (Lines{"CBN_SETFOCUS", "CBN_EDITUPDATE", "CBN_EDITCHANGE",
                                "CBN_EDITUPDATE", "CBN_EDITCHANGE"}));
    EXPECT_EQ(Selection(combo), CB_ERR) << "typing into a closed list drops the selection";

    log.Clear();
    SendMessage(combo, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(SetWindowText(combo, "Bonn"), TRUE);
    EXPECT_EQ(GetWindowTextUtf8(Edit(combo)), "Bonn");
    EXPECT_EQ(Selection(combo), CB_ERR);
    EXPECT_EQ(log.Log(), Lines{});

    // While the list is down, it selects the first item the text begins.
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(Selection(combo), 2);
    ASSERT_TRUE(agent.TypeInCombo(combo, "Bern"));
    EXPECT_EQ(Selection(combo), 1);
    SetWindowText(combo, "Be");
    EXPECT_EQ(Selection(combo), 0);

    // A drop-down list's text selects the item that reads so.
    const HWND dropList = CreateFilled(CBS_DROPDOWNLIST, {"Alpha", "Beta"});
    EXPECT_EQ(SetWindowText(dropList, "beta"), TRUE);
    EXPECT_EQ(
        std::tuple(Selection(dropList), GetWindowTextUtf8(dropList), GetWindowTextLength(dropList)),
        std::tuple(1, "Beta", 4));
    EXPECT_EQ(SendMessage(dropList, WM_SETTEXT, 0, Ptr("Bet")), CB_ERR);
    EXPECT_EQ(SendMessage(dropList, WM_SETTEXT, 0, 0), CB_ERR);
    EXPECT_EQ(Selection(dropList), 1);
    EXPECT_EQ(log.Log(), Lines{});

    // The limit and the selection reach the edit.
    const HWND limited = CreateFilled(CBS_DROPDOWN, {});
    EXPECT_EQ(SendMessage(limited, CB_LIMITTEXT, 3, 0), TRUE);
    ASSERT_TRUE(agent.TypeInCombo(limited, "abcd"));
    EXPECT_EQ(GetWindowTextUtf8(limited), "abc");
    EXPECT_EQ(SendMessage(limited, CB_SETEDITSEL, 0, MAKELPARAM(1, 2)), TRUE);
    EXPECT_EQ(SendMessage(limited, CB_GETEDITSEL, 0, 0), MAKELONG(1, 2));
    SendMessage(limited, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));  // -1 runs to the end.
    EXPECT_EQ(SendMessage(limited, CB_GETEDITSEL, 0, 0), MAKELONG(0, 3));
}

TEST_F(ComboBoxTest, KeysAndTheProgramOpenAndPickFromTheListAndNotify) {
    const HWND combo = CreateFilled(CBS_DROPDOWNLIST, {"apple", "banana", "cherry", "cranberry"});
    KeyDown(combo, VK_DOWN);
    EXPECT_EQ(Selection(combo), 0);
    SendMessage(combo, WM_CHAR, 'C', 0);
    SendMessage(combo, WM_CHAR, 'c', 0);
    EXPECT_EQ(Selection(combo), 3);
    KeyDown(combo, VK_END);  // Already the last: nothing to tell.
    EXPECT_EQ(log.Log(), (Lines{"CBN_SELENDOK", "CBN_SELCHANGE", "CBN_SELENDOK", "CBN_SELCHANGE",
                                "CBN_SELENDOK", "CBN_SELCHANGE"}));

    log.Clear();
    for (const UINT key : {VK_F4, VK_UP, VK_RETURN, VK_F4, VK_ESCAPE}) KeyDown(combo, key);
    EXPECT_EQ(Selection(combo), 2);
    EXPECT_EQ(log.Log(), (Lines{"CBN_DROPDOWN", "CBN_SELCHANGE", "CBN_SELENDOK", "CBN_CLOSEUP",
                                "CBN_DROPDOWN", "CBN_SELENDCANCEL", "CBN_CLOSEUP"}));

    const HWND programmed = CreateFilled(CBS_DROPDOWNLIST, {"a", "b"});
    EXPECT_EQ(SendMessage(programmed, CB_SHOWDROPDOWN, TRUE, 0), TRUE);
    EXPECT_EQ(Dropped(programmed), TRUE);
    SendMessage(programmed, CB_SHOWDROPDOWN, TRUE, 0);  // Already down.
    SendMessage(programmed, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(log.Log(), (Lines{"CBN_DROPDOWN", "CBN_SELENDCANCEL", "CBN_CLOSEUP"}));

    log.Clear();
    ASSERT_TRUE(agent.OpenDropDown(programmed));
    EXPECT_EQ(Dropped(programmed), TRUE);
    ASSERT_TRUE(agent.CloseDropDown(programmed));
    EXPECT_EQ(Dropped(programmed), FALSE);
    EXPECT_EQ(log.Log(),
              (Lines{"CBN_SETFOCUS", "CBN_DROPDOWN", "CBN_SELENDCANCEL", "CBN_CLOSEUP"}));

    const HWND simple = CreateFilled(CBS_SIMPLE, {"a"});
    EXPECT_EQ(SendMessage(simple, CB_SHOWDROPDOWN, TRUE, 0), TRUE);
    EXPECT_EQ(Dropped(simple), FALSE);
    EXPECT_REFUSED(agent, OpenDropDown(simple), "ComboBox 50 has no drop-down list");
    EXPECT_REFUSED(agent, TypeInCombo(programmed, "x"),
                   "ComboBox 50 is a drop-down list: it has no edit");
    EXPECT_EQ(log.Log(), Lines{});
}

TEST_F(ComboBoxTest, TheEditHandsTheListKeysToItsComboAndASimpleCombosListTakesDoubleClicks) {
    const HWND combo = CreateFilled(CBS_DROPDOWN, {"apple", "banana"});
    for (const UINT key : {VK_DOWN, VK_DOWN}) KeyDown(Edit(combo), key);
    EXPECT_EQ(std::tuple(Selection(combo), GetWindowTextUtf8(combo)), std::tuple(1, "banana"));
    KeyDown(Edit(combo), VK_F4);
    EXPECT_EQ(Dropped(combo), TRUE);
    KeyDown(Edit(combo), VK_F4);
    // Home moves the caret in the text, not the selection in the list.
    KeyDown(Edit(combo), VK_HOME);
    EXPECT_EQ(SendMessage(combo, CB_GETEDITSEL, 0, 0), MAKELONG(0, 0));
    EXPECT_EQ(Selection(combo), 1);
    EXPECT_EQ(log.Log(), (Lines{"CBN_SELENDOK", "CBN_SELCHANGE", "CBN_SELENDOK", "CBN_SELCHANGE",
                                "CBN_DROPDOWN", "CBN_SELENDCANCEL", "CBN_CLOSEUP"}));

    // A simple combo's list is always open: Up moves through it, F4 opens nothing; a double
    // click on it is reported.
    const HWND simple = CreateFilled(CBS_SIMPLE, {"apple", "banana"});
    SendMessage(simple, CB_SETCURSEL, 1, 0);
    for (const UINT key : {VK_F4, VK_UP}) KeyDown(Edit(simple), key);
    EXPECT_EQ(GetWindowTextUtf8(simple), "apple");
    EXPECT_EQ(log.Log(), (Lines{"CBN_SELENDOK", "CBN_SELCHANGE"}));
    const std::optional<ComboBoxState> state = GetComboBoxState(simple);
    ASSERT_TRUE(state.has_value());
    const LPARAM row = At(10, state->listRect.top + 20);
    log.Clear();
    ClickAt(simple, row);
    SendMessage(simple, WM_LBUTTONDBLCLK, MK_LBUTTON, row);
    EXPECT_EQ(Selection(simple), 1);
    EXPECT_EQ(log.Log(), (Lines{"CBN_SETFOCUS", "CBN_SELENDOK", "CBN_SELCHANGE", "CBN_DBLCLK"}));
    EXPECT_FALSE(GetComboBoxState(parent).has_value());

    // An edit numbered like a combo's but in another window keeps its keys.
    log.Clear();
    KeyDown(CreateChild(parent, "Edit", 0, kComboEditId), VK_DOWN);
    EXPECT_EQ(log.Log(), Lines{});
}

TEST_F(ComboBoxTest, FocusIsReportedOnceForTheComboAndItsEdit) {
    SetFocus(nullptr);
    const HWND editable = CreateFilled(CBS_DROPDOWN, {"a"});
    const HWND dropList = CreateFilled(CBS_DROPDOWNLIST, {"a"});
    SetWindowText(editable, "hello");
    SetFocus(editable);
    EXPECT_EQ(GetFocus(), Edit(editable));
    DWORD end = 9;
    EXPECT_EQ(SendMessage(editable, CB_GETEDITSEL, 0, Ptr(&end)), MAKELONG(0, 5));
    EXPECT_EQ(end, 5u);
    SendMessage(dropList, CB_SHOWDROPDOWN, TRUE, 0);
    SetFocus(dropList);
    SetFocus(nullptr);
    EXPECT_EQ(Dropped(dropList), FALSE);
    EXPECT_EQ(log.Log(),
              (Lines{"CBN_SETFOCUS", "CBN_DROPDOWN", "CBN_SELENDCANCEL", "CBN_KILLFOCUS",
                     "CBN_SETFOCUS", "CBN_SELENDCANCEL", "CBN_CLOSEUP", "CBN_KILLFOCUS"}));
}

TEST_F(ComboBoxTest, BadInputAnswersCbErrAndChangesNothing) {
    const HWND combo = CreateFilled(CBS_DROPDOWN, {"a", "b", "c"});
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    char buffer[8] = "kept";
    const auto none = static_cast<WPARAM>(-1);
    ExpectRefused(combo, {{CB_GETLBTEXT, 3, Ptr(buffer), ERROR_INVALID_INDEX},
                          {CB_GETLBTEXTLEN, 3, 0, ERROR_INVALID_INDEX},
                          {CB_GETITEMDATA, static_cast<WPARAM>(-2), 0, ERROR_INVALID_INDEX},
                          {CB_SETITEMDATA, 3, 5, ERROR_INVALID_INDEX},
                          {CB_DELETESTRING, 3, 0, ERROR_INVALID_INDEX},
                          {CB_INSERTSTRING, 4, Ptr("x"), ERROR_INVALID_INDEX},
                          {CB_SETCURSEL, 3, 0, ERROR_INVALID_INDEX},
                          {CB_SETTOPINDEX, 3, 0, ERROR_INVALID_INDEX},
                          {CB_ADDSTRING, 0, 0, ERROR_INVALID_PARAMETER},
                          {CB_INSERTSTRING, 0, 0, ERROR_INVALID_PARAMETER},
                          {CB_FINDSTRING, none, 0, ERROR_INVALID_PARAMETER},
                          {CB_FINDSTRINGEXACT, none, 0, ERROR_INVALID_PARAMETER},
                          {CB_SELECTSTRING, none, 0, ERROR_INVALID_PARAMETER},
                          {CB_GETLBTEXT, 0, 0, ERROR_INVALID_PARAMETER}});
    EXPECT_STREQ(buffer, "kept");
    EXPECT_EQ(Texts(combo), (Lines{"a", "b", "c"}));
    EXPECT_EQ(std::tuple(Selection(combo), GetWindowTextUtf8(combo)), std::tuple(1, "b"));
    EXPECT_EQ(log.Log(), Lines{});

    // A drop-down list has no edit to select in; limiting it is harmless.
    const HWND dropList = CreateFilled(CBS_DROPDOWNLIST, {"a"});
    EXPECT_TRUE(AnswersWith(SendMessage(dropList, CB_GETEDITSEL, 0, 0), CB_ERR,
                            ERROR_INVALID_COMBOBOX_MESSAGE));
    EXPECT_EQ(SendMessage(dropList, CB_SETEDITSEL, 0, MAKELPARAM(0, 1)), CB_ERR);
    EXPECT_EQ(SendMessage(dropList, CB_LIMITTEXT, 5, 0), TRUE);
}

TEST_F(ComboBoxTest, SortedInsertIgnoresCaseSelectStringSelectsAndItemDataFollowsItsItem) {
    const HWND combo = CreateCombo(CBS_DROPDOWNLIST | CBS_SORT);
    for (const char* text : {"zulu", "Écho", "delta", "Ωmega", "echo", "Alpha"}) Add(combo, text);
    EXPECT_EQ(Texts(combo), (Lines{"Alpha", "delta", "echo", "Écho", "zulu", "Ωmega"}));
    // Finding is ListBoxTest's; selecting by a prefix silently selects what it finds.
    const auto none = static_cast<WPARAM>(-1);
    EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, none, Ptr("ω")), 5);
    EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, none, Ptr("x")), CB_ERR);
    EXPECT_EQ(std::tuple(Selection(combo), GetWindowTextUtf8(combo)), std::tuple(5, "Ωmega"));
    EXPECT_EQ(log.Log(), Lines{});

    const HWND countries = CreateCombo(CBS_DROPDOWNLIST | CBS_SORT);
    SendMessage(countries, CB_SETITEMDATA, Add(countries, "Germany"), 49);
    SendMessage(countries, CB_SETITEMDATA, Add(countries, "France"), 33);
    SendMessage(countries, CB_SETITEMDATA, Add(countries, ""), 0xFFFFFFFF);
    const LRESULT france =
        SendMessage(countries, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Ptr("FRANCE"));
    EXPECT_EQ(france, 1);
    EXPECT_EQ(SendMessage(countries, CB_GETITEMDATA, france, 0), 33);
    EXPECT_EQ(static_cast<int>(SendMessage(countries, CB_GETITEMDATA, 0, 0)), -1);
    // Deleted items that carry data are reported.
    DestroyWindow(countries);
    EXPECT_EQ(log.Log(),
              (Lines{"WM_DELETEITEM ODT_COMBOBOX 2 data=49", "WM_DELETEITEM ODT_COMBOBOX 1 data=33",
                     "WM_DELETEITEM ODT_COMBOBOX 0 data=4294967295"}));
}

TEST_F(ComboBoxTest, OwnerDrawnComboMeasuresDrawsAndDeletesThroughItsParent) {
    log.AnswerHeight(20);
    const HWND combo = CreateCombo(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED);
    EXPECT_EQ(log.Log(),
              (Lines{"WM_MEASUREITEM ODT_COMBOBOX -1 18", "WM_MEASUREITEM ODT_COMBOBOX 0 16"}));
    EXPECT_EQ(ClientHeight(combo), 26);
    EXPECT_EQ(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0), 20);
    for (const LPARAM data : {7, 8, 9}) SendMessage(combo, CB_ADDSTRING, 0, data);
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    log.Clear();
    PaintWindow(combo);
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PaintWindow(combo);
    EXPECT_EQ(
        log.Log(),
        (Lines{"WM_DRAWITEM 1 ODA_DRAWENTIRE ODS_COMBOBOXEDIT", "CBN_DROPDOWN",
               "WM_DRAWITEM 1 ODA_DRAWENTIRE ODS_COMBOBOXEDIT", "WM_DRAWITEM 0 ODA_DRAWENTIRE",
               "WM_DRAWITEM 1 ODA_DRAWENTIRE ODS_SELECTED", "WM_DRAWITEM 2 ODA_DRAWENTIRE"}));
    const DRAWITEMSTRUCT& row = log.Draws().at(4);
    EXPECT_EQ(std::tie(row.CtlType, row.hwndItem, row.rcItem, row.itemData),
              std::make_tuple(UINT{ODT_COMBOBOX}, combo, RECT{0, 66, 120, 86}, 9u));
    log.Clear();
    SendMessage(combo, CB_DELETESTRING, 0, 0);
    EXPECT_EQ(log.Log(), Lines{"WM_DELETEITEM ODT_COMBOBOX 0 data=7"});
}

TEST_F(ComboBoxTest, ParentDestroyingTheComboInsideANotificationEndsThePick) {
    const HWND combo = CreateFilled(CBS_DROPDOWN, {"a", "b"});
    log.DestroyOn(CBN_SELCHANGE);
    EXPECT_TRUE(agent.PickComboItem(combo, 1));
    EXPECT_FALSE(IsWindow(combo));
    // The pick ends; then the combo, destroyed with the focus, gives it up, which ends any pick.
    ASSERT_GE(log.Log().size(), 3u);
    EXPECT_EQ(Lines(log.Log().end() - 3, log.Log().end()),
              (Lines{"CBN_SELCHANGE", "CBN_SELENDCANCEL", "CBN_KILLFOCUS"}));

    const HWND closing = CreateFilled(CBS_DROPDOWNLIST, {"a", "b"});
    log.DestroyOn(CBN_DROPDOWN);
    EXPECT_REFUSED(agent, PickComboItem(closing, 0), "ComboBox 50 went away when its list opened");
    EXPECT_FALSE(IsWindow(closing));

    const HWND keyed = CreateFilled(CBS_DROPDOWNLIST, {"a", "b"});
    log.DestroyOn(CBN_SELENDOK);
    KeyDown(keyed, VK_DOWN);
    EXPECT_FALSE(IsWindow(keyed));
    EXPECT_EQ(log.Log(), Lines{"CBN_SELENDOK"});
}

TEST_F(ComboBoxTest, DumpShowsKindItemsSelectionAndTheDroppedList) {
    const HWND combo = CreateFilled(CBS_DROPDOWN, {"Alpha", "Beta"});
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(DumpWindowTree(combo),
              "ComboBox 50 \"Beta\" [dropdown, items=[\"Alpha\", \"Beta\"], sel=1]\n"
              "  Edit 1001 \"Beta\"\n");
    const HWND dropList = CreateFilled(CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL, {"a", "b"});
    SendMessage(dropList, CB_SHOWDROPDOWN, TRUE, 0);
    const DescribesState* description = FindStateDescription(dropList);
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(description->DescribeState(dropList),
              (Lines{"droplist", R"(items=["a", "b"])", "dropped", "noscroll"}));
    for (int i = 0; i < 10; ++i) Add(dropList, "x");
    EXPECT_EQ(description->DescribeState(dropList).back(), "dropped") << "a long list scrolls";
}

}  // namespace
}  // namespace winport::test
