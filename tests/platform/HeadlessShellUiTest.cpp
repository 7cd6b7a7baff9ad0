#include "platform/shell/HeadlessShellUi.h"

#include <gtest/gtest.h>

#include "ShellUiTestSupport.h"

namespace {

using shelltest::TestWindow;

std::vector<winport::Message> g_dialogMessages;

LRESULT DialogProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) g_dialogMessages.push_back({hwnd, msg, wParam, lParam});
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST(HeadlessShellUiTest, IsTheDefaultAndCancelsAnIdleModalDialogWithOrWithoutACancelButton) {
    ASSERT_NE(dynamic_cast<winport::HeadlessShellUi*>(&winport::GetShellUi()), nullptr);
    shelltest::ScriptedShellUi ui;  // Installs itself.
    EXPECT_EQ(&winport::GetShellUi(), &ui);
    EXPECT_EQ(winport::SetShellUi(nullptr), &ui);
    EXPECT_NE(&winport::GetShellUi(), &ui);
    EXPECT_EQ(winport::SetShellUi(&ui), nullptr);

    g_dialogMessages.clear();
    TestWindow dialog("HeadlessDialog", DialogProcedure);
    TestWindow cancel("ShellTestWindow", DefWindowProc, dialog.Handle(), IDCANCEL);
    winport::GetShellUi().ModalDialogStarted(dialog.Handle(), 8506);
    EXPECT_TRUE(g_dialogMessages.empty());
    winport::GetShellUi().ModalDialogIdle(dialog.Handle());
    ASSERT_EQ(g_dialogMessages.size(), 1u);
    EXPECT_EQ(g_dialogMessages[0].wParam, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    EXPECT_EQ(g_dialogMessages[0].lParam, reinterpret_cast<LPARAM>(cancel.Handle()));

    g_dialogMessages.clear();
    TestWindow buttonless("HeadlessDialog", DialogProcedure);
    winport::GetShellUi().ModalDialogIdle(buttonless.Handle());
    ASSERT_EQ(g_dialogMessages.size(), 1u);
    EXPECT_EQ(g_dialogMessages[0].wParam, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    EXPECT_EQ(g_dialogMessages[0].lParam, 0);
}

}  // namespace
