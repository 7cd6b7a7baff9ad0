#include "platform/shell/HeadlessShellUi.h"

#include "ControlTestSupport.h"
#include "ShellUiTestSupport.h"

namespace {

using shelltest::TestWindow;
using Commands = std::vector<std::pair<WPARAM, LPARAM>>;

TEST(HeadlessShellUiTest, IsTheDefaultAndCancelsAnIdleModalDialogWithOrWithoutACancelButton) {
    ASSERT_NE(dynamic_cast<winport::HeadlessShellUi*>(&winport::GetShellUi()), nullptr);
    shelltest::ScriptedShellUi ui;  // Installs itself.
    EXPECT_EQ(&winport::GetShellUi(), &ui);
    EXPECT_EQ(winport::SetShellUi(nullptr), &ui);
    EXPECT_NE(&winport::GetShellUi(), &ui);
    EXPECT_EQ(winport::SetShellUi(&ui), nullptr);

    TestWindow dialog;
    TestWindow buttonless;
    TestWindow cancel("ShellTestWindow", DefWindowProc, dialog.Handle(), IDCANCEL);
    Commands commands;
    const auto record = [&commands](const winport::Message& m) -> std::optional<LRESULT> {
        if (m.id == WM_COMMAND) commands.emplace_back(m.wParam, m.lParam);
        return std::nullopt;
    };
    const winport::test::MessageHook dialogHook(dialog.Handle(), record);
    const winport::test::MessageHook buttonlessHook(buttonless.Handle(), record);
    winport::GetShellUi().ModalDialogStarted(dialog.Handle(), 8506);
    EXPECT_EQ(commands, Commands{});
    winport::GetShellUi().ModalDialogIdle(dialog.Handle());
    winport::GetShellUi().ModalDialogIdle(buttonless.Handle());
    EXPECT_EQ(commands,
              (Commands{{MAKEWPARAM(IDCANCEL, BN_CLICKED), winport::test::Ptr(cancel.Handle())},
                        {MAKEWPARAM(IDCANCEL, BN_CLICKED), 0}}));
}

}  // namespace
