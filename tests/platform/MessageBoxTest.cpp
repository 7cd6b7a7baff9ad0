#include "platform/shell/MessageBox.h"

#include <tuple>

#include "LastErrorCheck.h"
#include "ShellUiTestSupport.h"

namespace {

using shelltest::ScriptedShellUi;
using shelltest::TestWindow;

TEST(MessageBoxTest, EachTypeHasItsButtonsAndHeadlessAnswersTheCancelLikeOne) {
    const std::tuple<UINT, std::vector<int>, int> types[] = {
        {MB_OK | MB_ICONINFORMATION, {IDOK}, IDOK},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, IDABORT},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO},
        {MB_RETRYCANCEL | MB_TASKMODAL, {IDRETRY, IDCANCEL}, IDCANCEL},
        {MB_CANCELTRYCONTINUE, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, IDCANCEL},
    };
    for (const auto& [type, buttons, closedAnswer] : types) {
        EXPECT_EQ(winport::MessageBoxButtons(type), buttons) << std::hex << type;
        EXPECT_EQ(MessageBox(nullptr, "Proceed?", "Question", type), closedAnswer) << type;
    }
}

TEST(MessageBoxTest, TheOwnersTopLevelWindowIsDisabledWhileTheBoxIsUpAndAskedAsCalled) {
    TestWindow owner;
    TestWindow top;
    TestWindow control("ShellTestWindow", DefWindowProc, top.Handle(), 1001);
    ScriptedShellUi ui;
    ui.boxAnswers = {IDOK};
    EXPECT_EQ(MessageBox(owner.Handle(), "Saved.", "Details", MB_OK), IDOK);
    EXPECT_EQ(ui.ownerEnabled, std::vector<bool>{false});
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    std::vector<bool> topEnabled;
    ui.duringQuestion = [&] { topEnabled.push_back(IsWindowEnabled(top.Handle())); };
    MessageBox(control.Handle(), "Bad value", nullptr, MB_OK);
    EXPECT_EQ(topEnabled, std::vector<bool>{false});
    EXPECT_TRUE(IsWindowEnabled(top.Handle()));
    // An owner disabled before stays disabled.
    EnableWindow(owner.Handle(), FALSE);
    MessageBox(owner.Handle(), "Busy", "Details", MB_OK);
    EXPECT_FALSE(IsWindowEnabled(owner.Handle()));

    // The request carries text, caption and style, with "Error" as the default caption.
    MessageBox(owner.Handle(), "Delete the contact?", "Contacts", MB_YESNO | MB_ICONQUESTION);
    MessageBox(nullptr, nullptr, nullptr, MB_OK);
    ASSERT_EQ(ui.boxes.size(), 5u);
    const winport::MessageBoxRequest& asked = ui.boxes[3];
    EXPECT_EQ(std::tie(asked.owner, asked.text, asked.caption, asked.style),
              std::make_tuple(owner.Handle(), "Delete the contact?", "Contacts",
                              UINT{MB_YESNO | MB_ICONQUESTION}));
    EXPECT_EQ(std::tie(ui.boxes[4].text, ui.boxes[4].caption), std::make_tuple("", "Error"));
}

// An answer without a button on the box counts as closing it.
TEST(MessageBoxTest, AnAnswerWithoutAButtonClosesTheBoxAndABadOwnerOrStyleFailsWithoutAsking) {
    ScriptedShellUi ui;
    ui.boxAnswers = {IDYES, IDOK, IDRETRY};
    EXPECT_EQ(MessageBox(nullptr, "a", "b", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "a", "b", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "a", "b", MB_RETRYCANCEL), IDRETRY);
    ui.boxes.clear();

    const HWND gone = TestWindow().Handle();  // Destroyed with the temporary.
    EXPECT_TRUE(FailsWith(MessageBox(gone, "a", "b", MB_OK), ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_TRUE(
        FailsWith(MessageBox(nullptr, "a", "b", 0x7 | MB_ICONERROR), ERROR_INVALID_MSGBOX_STYLE));
    EXPECT_EQ(winport::GetLastErrorText(), "MessageBox: style 0x17 names no button set");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(winport::MessageBoxButtons(0xF).empty());
    EXPECT_EQ(winport::MessageBoxCancelAnswer(0xF), 0);
}

}  // namespace
