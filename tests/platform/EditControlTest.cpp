#include <tuple>

#include "ControlTestSupport.h"
#include "platform/controls/edit/EditState.h"
#include "platform/dialog/DialogApi.h"
#include "platform/shell/Clipboard.h"

namespace winport::test {
namespace {

constexpr int kEditId = 30;
const std::string kUpdate = "parent WM_COMMAND EN_UPDATE 30";
const std::string kChange = "parent WM_COMMAND EN_CHANGE 30";
const std::string kMaxText = "parent WM_COMMAND EN_MAXTEXT 30";
const Lines kOneChange = {kUpdate, kChange};
const Lines kTwoChanges = {kUpdate, kChange, kUpdate, kChange};

class EditControlTest : public ControlParentTest {
protected:
    HWND CreateEdit(DWORD style = 0, const char* text = "") {
        return CreateControl("Edit", style, kEditId, "edit", text);
    }
    static void Type(HWND edit, std::u32string_view characters) {
        for (const char32_t c : characters) SendMessage(edit, WM_CHAR, c, 1);
    }
    static void Select(HWND edit, WPARAM start, LPARAM end) {
        SendMessage(edit, EM_SETSEL, start, end);
    }
    static void ReplaceSel(HWND edit, const char* text) {
        SendMessage(edit, EM_REPLACESEL, TRUE, Ptr(text));
    }
    static EditState State(HWND edit) { return Must(GetEditState(edit)); }
    static LRESULT Modified(HWND edit) { return SendMessage(edit, EM_GETMODIFY, 0, 0); }
};

TEST_F(EditControlTest, SetTextNotifiesASingleLineEditOnlyClearsModifyAndIsNotFiltered) {
    const HWND single = CreateEdit();
    Type(single, U"x");
    spy.Clear();
    SetWindowText(single, "hello");
    SetWindowText(single, "hello");  // The same text notifies again.
    EXPECT_EQ(Modified(single), FALSE);
    EXPECT_EQ(State(single).selectionEnd, 0u);
    EXPECT_TRUE(SequenceIs(spy, kTwoChanges));

    const HWND multi = CreateEdit(ES_MULTILINE);
    SetWindowText(multi, "one\r\ntwo");
    EXPECT_EQ(GetWindowTextUtf8(multi), "one\r\ntwo");
    EXPECT_TRUE(SequenceIs(spy, {}));

    const HWND number = CreateEdit(ES_NUMBER);
    Type(number, U"7");
    SetWindowText(number, "abc");
    SendMessage(number, EM_REPLACESEL, FALSE, Ptr("x"));
    EXPECT_EQ(GetWindowTextUtf8(number), "xabc");

    const HWND edit = CreateEdit();
    EXPECT_EQ(SendMessage(edit, EM_SETREADONLY, TRUE, 0), TRUE);
    EXPECT_TRUE(GetWindowLongPtr(edit, GWL_STYLE) & ES_READONLY);
    SendMessage(edit, WM_CHAR, 0x08, 1);
    SetWindowText(edit, "set");
    SendMessage(edit, EM_SETREADONLY, FALSE, 0);
    Type(edit, U"!");
    EXPECT_EQ(GetWindowTextUtf8(edit), "!set");
    EXPECT_TRUE(SequenceIs(spy, kTwoChanges));
}

TEST_F(EditControlTest, RefusedCharactersSendNothingAndChangeNothing) {
    // A letter in a number edit, anything in a read-only one, a control character, backspace at
    // the start, a lone surrogate, Enter in a single-line edit.
    const std::pair<DWORD, char32_t> cases[] = {{ES_NUMBER, U'x'}, {ES_READONLY, U'a'}, {0, 0x01},
                                                {0, 0x08},         {0, 0xD800},         {0, U'\r'}};
    for (const auto& [style, character] : cases) {
        const HWND edit = CreateEdit(style);
        Type(edit, std::u32string(1, character));
        EXPECT_EQ(GetWindowTextUtf8(edit), "") << std::hex << static_cast<std::uint32_t>(character);
        EXPECT_EQ(Modified(edit), FALSE);
        EXPECT_TRUE(SequenceIs(spy, {}));
    }
}

TEST_F(EditControlTest, TypingAndReplaceSelStopAtTheLimitOnACharacterBoundarySendingMaxText) {
    const HWND edit = CreateEdit();
    SendMessage(edit, EM_SETLIMITTEXT, 2, 0);
    Type(edit, U"日本語");
    EXPECT_EQ(GetWindowTextUtf8(edit), "日本");
    EXPECT_EQ(State(edit).caret, 2u);
    EXPECT_EQ(Modified(edit), TRUE);
    EXPECT_TRUE(SequenceIs(spy, {kUpdate, kChange, kUpdate, kChange, kMaxText}));

    spy.Clear();
    Select(edit, 0, 1);  // Typing over a selection stays within the limit.
    Type(edit, U"語");
    EXPECT_EQ(GetWindowTextUtf8(edit), "語本");
    EXPECT_TRUE(SequenceIs(spy, kOneChange));

    const HWND limited = CreateEdit();
    SendMessage(limited, EM_LIMITTEXT, 3, 0);
    ReplaceSel(limited, "αβγδε");
    EXPECT_EQ(GetWindowTextUtf8(limited), "αβγ");
    EXPECT_EQ(State(limited).caret, 3u);
    EXPECT_TRUE(SequenceIs(spy, {kMaxText, kUpdate, kChange}));

    spy.Clear();
    SetWindowText(limited, "Ελληνικά");  // Past the limit: the program's text is not cut.
    Type(limited, U"x");
    EXPECT_EQ(GetWindowTextUtf8(limited), "Ελληνικά");
    Select(limited, 8, 8);
    SendMessage(limited, WM_CHAR, 0x08, 1);  // Deleting is never refused.
    EXPECT_EQ(GetWindowTextUtf8(limited), "Ελληνικ");
    EXPECT_TRUE(SequenceIs(spy, {kUpdate, kChange, kMaxText, kUpdate, kChange}));

    // The limit defaults to 30000 characters, and zero means the maximum.
    const HWND single = CreateEdit();
    const HWND multi = CreateEdit(ES_MULTILINE);
    EXPECT_EQ(SendMessage(single, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessage(single, EM_SETLIMITTEXT, 0, 0);
    SendMessage(multi, EM_SETLIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessage(single, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    EXPECT_EQ(SendMessage(multi, EM_GETLIMITTEXT, 0, 0), 0xFFFFFFFF);
}

TEST_F(EditControlTest, SetSelOrdersClampsAndPutsTheCaretAtTheEndGiven) {
    const HWND edit = CreateEdit(0, "héllo");
    const std::tuple<WPARAM, LPARAM, DWORD, DWORD, size_t> cases[] = {
        {2, 4, 2, 4, 4},  {4, 2, 2, 4, 2},          {0, -1, 0, 5, 5},
        {2, 99, 2, 5, 5}, {WPARAM(-1), 0, 3, 3, 3}, {7, 1, 1, 5, 1}};
    for (const auto& [start, end, selectionStart, selectionEnd, caret] : cases) {
        SCOPED_TRACE(std::to_string(start) + ", " + std::to_string(end));
        Select(edit, 1, 3);
        Select(edit, start, end);
        EXPECT_EQ(SendMessage(edit, EM_GETSEL, 0, 0),
                  MAKELONG(static_cast<WORD>(selectionStart), static_cast<WORD>(selectionEnd)));
        EXPECT_EQ(EditSelection(edit), std::pair(selectionStart, selectionEnd));
        EXPECT_EQ(State(edit).caret, caret);
    }
    EXPECT_TRUE(SequenceIs(spy, {}));
}

TEST_F(EditControlTest, ReplaceSelBackspaceAndDeleteReplaceOrRemoveTheSelectionOrOneCharacter) {
    const HWND edit = CreateEdit(ES_READONLY | ES_LOWERCASE, "hello");
    Select(edit, 1, 4);
    ReplaceSel(edit, "EY");
    EXPECT_EQ(GetWindowTextUtf8(edit), "heyo");
    EXPECT_EQ(State(edit).caret, 3u);
    EXPECT_EQ(Modified(edit), TRUE);
    ReplaceSel(edit, "");  // Nothing to do.
    EXPECT_TRUE(SequenceIs(spy, kOneChange));

    const HWND deleting = CreateEdit(0, "añb€");
    Select(deleting, 2, 2);
    SendMessage(deleting, WM_CHAR, 0x08, 1);
    EXPECT_EQ(GetWindowTextUtf8(deleting), "ab€");
    KeyDown(deleting, VK_DELETE);
    EXPECT_EQ(GetWindowTextUtf8(deleting), "a€");
    Select(deleting, 0, -1);
    KeyDown(deleting, VK_DELETE);
    EXPECT_EQ(GetWindowTextUtf8(deleting), "");
    KeyDown(deleting, VK_DELETE);  // Nothing after the caret.
    EXPECT_TRUE(SequenceIs(spy, {kUpdate, kChange, kUpdate, kChange, kUpdate, kChange}));

    const HWND multi = CreateEdit(ES_MULTILINE, "a\r\nb");
    Select(multi, 3, 3);
    SendMessage(multi, WM_CHAR, 0x08, 1);  // A line break goes as one.
    EXPECT_EQ(GetWindowTextUtf8(multi), "ab");
}

TEST_F(EditControlTest, ArrowKeysMoveTheCaretSilentlyAndFocusChangesAreReported) {
    const HWND edit = CreateEdit(ES_MULTILINE, "ab\r\ncdé");
    Select(edit, 6, 6);
    const auto caretAfter = [edit](UINT key) {
        KeyDown(edit, key);
        return State(edit).caret;
    };
    EXPECT_EQ(caretAfter(VK_HOME), 4u);
    EXPECT_EQ(caretAfter(VK_LEFT), 2u);
    EXPECT_EQ(caretAfter(VK_RIGHT), 4u);
    EXPECT_EQ(caretAfter(VK_END), 7u);
    SetKeyDown(VK_SHIFT, true);
    EXPECT_EQ(caretAfter(VK_HOME), 4u);
    SetKeyDown(VK_SHIFT, false);
    EXPECT_EQ(State(edit).selectionEnd, 7u);
    EXPECT_TRUE(SequenceIs(spy, {}));

    SetFocus(nullptr);
    EXPECT_TRUE(State(CreateEdit(ES_NOHIDESEL)).selectionVisible);
    const HWND disabled = CreateEdit(WS_DISABLED);
    const HWND focused = CreateEdit(0, "hello");
    SendMessage(disabled, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(GetFocus(), nullptr);
    SendMessage(focused, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(GetFocus(), focused);
    Select(focused, 1, 3);
    EXPECT_TRUE(State(focused).selectionVisible);
    SetFocus(nullptr);
    const EditState state = State(focused);
    EXPECT_EQ(
        std::tie(state.selectionStart, state.selectionEnd, state.focused, state.selectionVisible),
        std::make_tuple(1u, 3u, false, false));
    EXPECT_TRUE(
        SequenceIs(spy, {"parent WM_COMMAND EN_SETFOCUS 30", "parent WM_COMMAND EN_KILLFOCUS 30"}));
}

TEST_F(EditControlTest, CaseStylesConvertEveryScriptAndThePasswordCharacterKeepsItsStyleBit) {
    const HWND upper = CreateEdit(ES_UPPERCASE, "straße");
    Select(upper, 6, 6);
    Type(upper, U"aéω");
    EXPECT_EQ(GetWindowTextUtf8(upper), "STRAßEAÉΩ");
    const HWND lower = CreateEdit(ES_LOWERCASE);
    SetWindowText(lower, "ÀΣБ1");
    EXPECT_EQ(GetWindowTextUtf8(lower), "àσб1");

    const HWND password = CreateEdit(ES_PASSWORD, "secret");
    EXPECT_EQ(SendMessage(password, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(GetWindowTextUtf8(password), "secret");
    SendMessage(password, EM_SETPASSWORDCHAR, 0, 0);
    EXPECT_FALSE(GetWindowLongPtr(password, GWL_STYLE) & ES_PASSWORD);
    SendMessage(password, EM_SETPASSWORDCHAR, U'●', 0);
    EXPECT_TRUE(GetWindowLongPtr(password, GWL_STYLE) & ES_PASSWORD);
    EXPECT_EQ(State(password).passwordChar, U'●');

    const HWND multi = CreateEdit(ES_MULTILINE | ES_PASSWORD);
    SendMessage(multi, EM_SETPASSWORDCHAR, '#', 0);
    EXPECT_EQ(SendMessage(multi, EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(EditControlTest, MultiLineEditWantsAllKeysAndCountsItsLines) {
    const HWND single = CreateEdit();
    const HWND multi = CreateEdit(ES_MULTILINE | ES_WANTRETURN);
    constexpr LRESULT kCode = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    EXPECT_EQ(SendMessage(single, WM_GETDLGCODE, 0, 0), kCode);
    EXPECT_EQ(SendMessage(multi, WM_GETDLGCODE, 0, 0), kCode | DLGC_WANTALLKEYS);
    Type(multi, U"a\rb");
    EXPECT_EQ(GetWindowTextUtf8(multi), "a\r\nb");
    EXPECT_EQ(SendMessage(multi, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessage(single, EM_GETLINECOUNT, 0, 0), 1);

    // In a dialog, Enter belongs to the default button unless the edit has ES_WANTRETURN.
    const HWND inDialog = CreateEdit(ES_MULTILINE);
    MSG msg{inDialog, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    SendMessage(inDialog, WM_GETDLGCODE, VK_RETURN, Ptr(&msg));
    Type(inDialog, U"\r");
    EXPECT_EQ(GetWindowTextUtf8(inDialog), "");
}

TEST_F(EditControlTest, CopyCutAndPasteGoThroughTheClipboard) {
    ResetClipboard();
    const HWND edit = CreateEdit(0, "hello");
    Select(edit, 0, 4);
    SendMessage(edit, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "hell");
    EXPECT_TRUE(SequenceIs(spy, {}));
    SendMessage(edit, WM_CUT, 0, 0);
    EXPECT_EQ(GetWindowTextUtf8(edit), "o");
    Select(edit, 1, 1);
    SendMessage(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(GetWindowTextUtf8(edit), "ohell");
    EXPECT_TRUE(SequenceIs(spy, kTwoChanges));

    const HWND password = CreateEdit(ES_PASSWORD, "secret");
    Select(password, 0, -1);
    SendMessage(password, WM_CUT, 0, 0);
    EXPECT_EQ(ClipboardText(), "hell");
    EXPECT_EQ(GetWindowTextUtf8(password), "secret");
    ResetClipboard();
}

TEST_F(EditControlTest, ParentDestroyingTheEditInsideANotificationEndsTheEdit) {
    for (const WORD code : {EN_UPDATE, EN_MAXTEXT}) {
        const HWND edit = CreateEdit();
        SendMessage(edit, EM_SETLIMITTEXT, code == EN_MAXTEXT ? 1 : 10, 0);
        SetWindowText(edit, "x");
        spy.Clear();
        const MessageHook destroyer = DestroyOnNotification(parent, code);
        Type(edit, U"y");
        EXPECT_FALSE(IsWindow(edit));
        EXPECT_TRUE(SequenceIs(spy, {code == EN_UPDATE ? kUpdate : kMaxText,
                                     "parent WM_PARENTNOTIFY WM_DESTROY edit"}));
    }
    EXPECT_TRUE(FailsWith(GetEditState(parent),
                          ERROR_INVALID_PARAMETER));  // State is read from edits only.
    EXPECT_TRUE(
        FailsWith(GetEditState(reinterpret_cast<HWND>(0x4321)), ERROR_INVALID_WINDOW_HANDLE));
}

}  // namespace
}  // namespace winport::test
