#include "platform/shell/MessageBox.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ShellUiTestSupport.h"
#include "platform/core/LastError.h"

namespace {

using shelltest::ScriptedShellUi;
using shelltest::TestWindow;

struct BoxType {
    const char* name;
    UINT type;
    std::vector<int> buttons;
    int closedAnswer;
    friend void PrintTo(const BoxType& box, std::ostream* out) { *out << box.name; }
};

class MessageBoxTypeTest : public testing::TestWithParam<BoxType> {};

TEST_P(MessageBoxTypeTest, HasItsButtonsAndHeadlessAnswersTheCancelLikeOne) {
    const BoxType& box = GetParam();
    EXPECT_EQ(winport::MessageBoxButtons(box.type), box.buttons);
    EXPECT_EQ(MessageBox(nullptr, "Proceed?", "Question", box.type), box.closedAnswer);
}

INSTANTIATE_TEST_SUITE_P(
    MessageBoxTest, MessageBoxTypeTest,
    testing::Values(
        BoxType{"Ok", MB_OK | MB_ICONINFORMATION, {IDOK}, IDOK},
        BoxType{"OkCancel", MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL},
        BoxType{"AbortRetryIgnore", MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, IDABORT},
        BoxType{"YesNoCancel", MB_YESNOCANCEL | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        BoxType{"YesNo", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO},
        BoxType{"RetryCancel", MB_RETRYCANCEL | MB_TASKMODAL, {IDRETRY, IDCANCEL}, IDCANCEL},
        BoxType{"CancelTryContinue",
                MB_CANCELTRYCONTINUE,
                {IDCANCEL, IDTRYAGAIN, IDCONTINUE},
                IDCANCEL}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBoxTest, TheOwnersTopLevelWindowIsDisabledWhileTheBoxIsUp) {
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
}

TEST(MessageBoxTest, RequestCarriesTextCaptionAndStyleWithErrorAsTheDefaultCaption) {
    TestWindow owner;
    ScriptedShellUi ui;
    MessageBox(owner.Handle(), "Delete the contact?", "Contacts", MB_YESNO | MB_ICONQUESTION);
    MessageBox(nullptr, nullptr, nullptr, MB_OK);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].owner, owner.Handle());
    EXPECT_EQ(ui.boxes[0].text, "Delete the contact?");
    EXPECT_EQ(ui.boxes[0].caption, "Contacts");
    EXPECT_EQ(ui.boxes[0].style, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(ui.boxes[1].text, "");
    EXPECT_EQ(ui.boxes[1].caption, "Error");
}

TEST(MessageBoxTest, AnswerWithoutAButtonCountsAsClosingTheBox) {
    ScriptedShellUi ui;
    ui.boxAnswers = {IDYES, IDOK, IDRETRY};
    EXPECT_EQ(MessageBox(nullptr, "a", "b", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "a", "b", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "a", "b", MB_RETRYCANCEL), IDRETRY);
}

TEST(MessageBoxTest, BadOwnerOrStyleFailsWithoutAsking) {
    ScriptedShellUi ui;
    HWND gone = nullptr;
    {
        TestWindow window;
        gone = window.Handle();
    }
    EXPECT_EQ(MessageBox(gone, "a", "b", MB_OK), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(MessageBox(nullptr, "a", "b", 0x7 | MB_ICONERROR), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_MSGBOX_STYLE);
    EXPECT_EQ(winport::GetLastErrorText(), "MessageBox: style 0x17 names no button set");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(winport::MessageBoxButtons(0xF).empty());
    EXPECT_EQ(winport::MessageBoxCancelAnswer(0xF), 0);
}

}  // namespace
