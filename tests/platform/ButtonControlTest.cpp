#include <tuple>

#include "ControlTestSupport.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"

namespace winport::test {
namespace {

constexpr int kButtonId = 20;
const std::string kClicked = "parent WM_COMMAND BN_CLICKED 20";

class ButtonControlTest : public ControlParentTest {
protected:
    HWND CreateButton(DWORD style, int id = kButtonId, const std::string& name = "button") {
        return CreateControl("Button", style, id, name, "OK");
    }
    static LRESULT Check(HWND button) { return SendMessage(button, BM_GETCHECK, 0, 0); }
    static LRESULT State(HWND button) { return SendMessage(button, BM_GETSTATE, 0, 0); }
};

TEST_F(ButtonControlTest, EachKindAnswersItsDialogCodeClampsSetCheckSilentlyAndClicksAsItShould) {
    // highestCheck: what BM_SETCHECK(BST_INDETERMINATE) leaves.
    const std::tuple<DWORD, LRESULT, LRESULT, std::vector<LRESULT>> cases[] = {
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON, 0, {0}},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON, 0, {}},
        {BS_CHECKBOX, DLGC_BUTTON, BST_CHECKED, {0, 0}},
        {BS_AUTOCHECKBOX, DLGC_BUTTON, BST_CHECKED, {BST_CHECKED, BST_UNCHECKED}},
        {BS_3STATE, DLGC_BUTTON, BST_INDETERMINATE, {0, 0}},
        {BS_AUTO3STATE,
         DLGC_BUTTON,
         BST_INDETERMINATE,
         {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}},
        {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON, BST_CHECKED, {}},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON, BST_CHECKED, {}},
        {BS_GROUPBOX, DLGC_STATIC, 0, {}},
        {BS_OWNERDRAW, DLGC_BUTTON, 0, {0}},
    };
    for (const auto& [kind, dialogCode, highestCheck, checksAfterClicks] : cases) {
        SCOPED_TRACE(kind);
        HWND button = CreateButton(kind);
        EXPECT_EQ(SendMessage(button, WM_GETDLGCODE, 0, 0), dialogCode);
        SendMessage(button, BM_SETCHECK, BST_INDETERMINATE, 0);
        EXPECT_EQ(Check(button), highestCheck);
        EXPECT_TRUE(SequenceIs(spy, {}));  // BM_SETCHECK never notifies.
        // Each click reports BN_CLICKED and moves only automatic checks.
        button = CreateButton(kind);
        Lines expected;
        for (const LRESULT check : checksAfterClicks) {
            SendMessage(button, BM_CLICK, 0, 0);
            EXPECT_EQ(Check(button), check);
            expected.push_back(kClicked);
        }
        EXPECT_TRUE(SequenceIs(spy, expected));
    }
}

TEST_F(ButtonControlTest, MouseOrSpacePushesAndOnlyAReleaseInsideClicksWhileTheFocusStays) {
    const HWND button = CreateButton(BS_AUTOCHECKBOX);
    SendMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(State(button), BST_PUSHED | BST_FOCUS);
    SendMessage(button, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));  // Outside: no click.
    EXPECT_EQ(State(button), BST_FOCUS);
    EXPECT_TRUE(SequenceIs(spy, {}));

    ClickAt(button, At(5, 5));
    EXPECT_EQ(State(button), BST_FOCUS | BST_CHECKED);
    SendMessage(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // No press before it.
    EXPECT_TRUE(SequenceIs(spy, {kClicked}));

    const HWND spaced = CreateButton(BS_PUSHBUTTON);
    SendMessage(spaced, WM_KEYUP, VK_SPACE, 0);
    SendMessage(spaced, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(State(spaced) & BST_PUSHED, BST_PUSHED);
    SendMessage(spaced, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(State(spaced) & BST_PUSHED, 0);
    EXPECT_TRUE(SequenceIs(spy, {kClicked}));

    spy.Clear();
    SendMessage(spaced, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SetFocus(nullptr);
    SendMessage(spaced, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(State(spaced), 0);
    EXPECT_TRUE(SequenceIs(spy, {}));
}

TEST_F(ButtonControlTest, DisabledButtonsIgnoreClicksAndNotifyStyleReportsFocusAndDoubleClicks) {
    SetFocus(nullptr);
    const HWND disabled = CreateButton(BS_AUTOCHECKBOX | WS_DISABLED);
    const HWND group = CreateButton(BS_GROUPBOX);
    for (const HWND button : {disabled, group}) {
        ClickAt(button, 0);
        SendMessage(button, BM_CLICK, 0, 0);
        EXPECT_EQ(Check(button), BST_UNCHECKED);
    }
    SendMessage(group, WM_KEYDOWN, VK_SPACE, 0);
    SendMessage(group, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(SequenceIs(spy, {}));

    const HWND notifying = CreateButton(BS_PUSHBUTTON | BS_NOTIFY);
    SetFocus(notifying);
    SendMessage(notifying, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    SetFocus(nullptr);
    EXPECT_TRUE(SequenceIs(
        spy, {"parent WM_COMMAND BN_SETFOCUS 20", "parent WM_COMMAND BN_DOUBLECLICKED 20",
              "parent WM_COMMAND BN_KILLFOCUS 20"}));

    // Without BS_NOTIFY focus changes pass silently and a double click presses again.
    const HWND plain = CreateButton(BS_PUSHBUTTON);
    SetFocus(plain);
    SendMessage(plain, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    SendMessage(plain, WM_LBUTTONUP, 0, 0);
    SetFocus(nullptr);
    EXPECT_TRUE(SequenceIs(spy, {kClicked}));
}

TEST_F(ButtonControlTest, SetStyleMovesTheDefaultSilentlyAndSetImageAnswersThePreviousImage) {
    const HWND button = CreateButton(BS_DEFPUSHBUTTON | BS_NOTIFY | WS_TABSTOP);
    SendMessage(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(
        GetWindowLongPtr(button, GWL_STYLE),
        static_cast<LONG_PTR>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_NOTIFY | BS_PUSHBUTTON));
    EXPECT_EQ(SendMessage(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    SendMessage(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessage(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(SequenceIs(spy, {}));

    const HWND image = CreateButton(BS_PUSHBUTTON | BS_ICON);
    EXPECT_EQ(SendMessage(image, BM_SETIMAGE, IMAGE_ICON, 0x1000), 0);
    EXPECT_EQ(SendMessage(image, BM_SETIMAGE, IMAGE_BITMAP, 0x2000), 0x1000);
    EXPECT_EQ(SendMessage(image, BM_GETIMAGE, IMAGE_BITMAP, 0), 0x2000);
    EXPECT_TRUE(FailsWith(SendMessage(image, BM_SETIMAGE, IMAGE_ENHMETAFILE, 0x3000),
                          ERROR_INVALID_PARAMETER));
    EXPECT_EQ(SendMessage(image, BM_GETIMAGE, IMAGE_BITMAP, 0), 0x2000);
}

class RadioGroupTest : public ButtonControlTest {
protected:
    // Two groups: 1 (auto), 2 (auto), 3 (plain radio) | 4 (auto), 5 (auto).
    void SetUp() override {
        for (int id = 1; id <= 5; ++id) {
            const DWORD kind = id == 3 ? BS_RADIOBUTTON : BS_AUTORADIOBUTTON;
            radio[id] = CreateButton(kind | (id == 1 || id == 4 ? WS_GROUP : 0), id,
                                     "radio" + std::to_string(id));
        }
    }
    std::vector<LRESULT> Checks() const {
        std::vector<LRESULT> checks;
        for (int id = 1; id <= 5; ++id) checks.push_back(Check(radio[id]));
        return checks;
    }
    HWND radio[6] = {};
};

TEST_F(RadioGroupTest, ClickChecksTheRadioAndUnchecksTheRestOfItsGroupOnly) {
    for (const int id : {1, 3, 4}) SendMessage(radio[id], BM_SETCHECK, BST_CHECKED, 0);
    spy.Clear();
    SendMessage(radio[2], BM_CLICK, 0, 0);
    EXPECT_EQ(Checks(), (std::vector<LRESULT>{0, 1, 0, 1, 0}));
    // The checked radio button becomes the group's tab stop.
    EXPECT_TRUE(GetWindowLongPtr(radio[2], GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongPtr(radio[1], GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(SequenceIs(spy, {"parent WM_COMMAND BN_CLICKED 2"}));
}

TEST_F(RadioGroupTest, SetCheckLeavesTheOtherRadiosAloneAndClicksLeaveHiddenOrDisabledOnes) {
    SendMessage(radio[1], BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(radio[2], BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Checks(), (std::vector<LRESULT>{1, 1, 0, 0, 0}));
    EXPECT_TRUE(SequenceIs(spy, {}));

    SendMessage(radio[2], BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessage(radio[3], BM_SETCHECK, BST_CHECKED, 0);
    ShowWindow(radio[1], SW_HIDE);
    EnableWindow(radio[3], FALSE);
    SendMessage(radio[2], BM_CLICK, 0, 0);
    EXPECT_EQ(Checks(), (std::vector<LRESULT>{1, 1, 1, 0, 0}));
}

TEST_F(RadioGroupTest, AGroupWithoutAStartBeforeItWrapsToTheLastGroupStart) {
    // Radio 6 comes last without WS_GROUP, so it belongs to the group that radio 4 starts.
    const HWND last = CreateButton(BS_AUTORADIOBUTTON, 6, "radio6");
    SendMessage(radio[4], BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(radio[1], BM_SETCHECK, BST_CHECKED, 0);
    SendMessage(last, BM_CLICK, 0, 0);
    EXPECT_EQ(Checks(), (std::vector<LRESULT>{1, 0, 0, 0, 0}));
    EXPECT_EQ(Check(last), BST_CHECKED);
}

TEST_F(ButtonControlTest, ParentDestroyingTheButtonInsideANotificationEndsTheClick) {
    const std::string setFocus = "parent WM_COMMAND BN_SETFOCUS 20";
    const std::tuple<WORD, std::vector<std::string>> cases[] = {{BN_SETFOCUS, {setFocus}},
                                                                {BN_CLICKED, {setFocus, kClicked}}};
    // The destruction itself: the parent told, the focus given back to it.
    const std::vector<std::string> destroyed = {"parent WM_PARENTNOTIFY WM_DESTROY button",
                                                "parent WM_COMMAND BN_KILLFOCUS 20",
                                                "parent WM_SETFOCUS other=button"};
    for (auto [code, sequence] : cases) {
        SetFocus(nullptr);
        const HWND button = CreateButton(BS_AUTOCHECKBOX | BS_NOTIFY);
        const MessageHook destroyer = DestroyOnNotification(parent, code);
        SendMessage(button, BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindow(button));
        sequence.insert(sequence.end(), destroyed.begin(), destroyed.end());
        EXPECT_TRUE(SequenceIs(spy, sequence));
    }
}

}  // namespace
}  // namespace winport::test
