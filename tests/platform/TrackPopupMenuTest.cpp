#include <tuple>

#include "ControlTestSupport.h"
#include "ShellUiTestSupport.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/MenuApi.h"

namespace {

using shelltest::ScriptedShellUi;
using shelltest::TestWindow;

// The menu: &Copy 1001, &Paste 1002 (grayed), separator, More -> Select &all 1003
class TrackPopupMenuTest : public testing::Test {
protected:
    void SetUp() override {
        more = CreatePopupMenu();
        menu = CreatePopupMenu();
        AppendMenu(more, MF_STRING, 1003, "Select &all");
        AppendMenu(menu, MF_STRING, 1001, "&Copy");
        AppendMenu(menu, MF_STRING | MF_GRAYED, 1002, "&Paste");
        AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "More");
    }
    void TearDown() override {
        DestroyMenu(menu);
        EXPECT_EQ(winport::LiveMenuCount(), 0u);
    }

    // Removes and answers the WM_COMMAND messages queued for the owner.
    std::vector<MSG> TakeCommands() {
        std::vector<MSG> commands;
        MSG msg;
        while (PeekMessage(&msg, owner.Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
            commands.push_back(msg);
        }
        return commands;
    }

    TestWindow owner;
    std::vector<WPARAM> initMenuPopups;  // The menus WM_INITMENUPOPUP offered the owner.
    std::function<void(HMENU)> onInitMenuPopup;
    winport::test::MessageHook hook{owner.Handle(),
                                    [this](const winport::Message& m) -> std::optional<LRESULT> {
                                        if (m.id != WM_INITMENUPOPUP) return std::nullopt;
                                        initMenuPopups.push_back(m.wParam);
                                        if (onInitMenuPopup)
                                            onInitMenuPopup(reinterpret_cast<HMENU>(m.wParam));
                                        return 0;
                                    }};
    HMENU menu = nullptr;
    HMENU more = nullptr;
};

TEST_F(TrackPopupMenuTest, ReturnCmdAnswersTheChoiceAndOtherwiseItIsPostedToTheOwner) {
    ScriptedShellUi ui;
    ui.menuAnswers = {1003, 1001};
    EXPECT_EQ(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, 40, 50, 0, owner.Handle(), nullptr),
        1003);
    EXPECT_TRUE(TakeCommands().empty());
    ASSERT_EQ(ui.menus.size(), 1u);
    const winport::PopupMenuRequest request = ui.menus[0];
    EXPECT_EQ(
        std::tie(request.owner, request.position, request.flags),
        std::make_tuple(owner.Handle(), POINT{40, 50}, UINT{TPM_RETURNCMD | TPM_RIGHTBUTTON}));
    ASSERT_EQ(request.items.size(), 4u);
    EXPECT_EQ(std::tie(request.items[0].id, request.items[0].text),
              std::make_tuple(1001u, "&Copy"));
    EXPECT_EQ(std::tie(request.items[1].flags, request.items[2].flags, request.items[3].flags),
              std::make_tuple(UINT{MF_GRAYED}, UINT{MF_SEPARATOR}, UINT{MF_POPUP}));
    EXPECT_EQ(request.items[3].text, "More");
    ASSERT_EQ(request.items[3].submenu.size(), 1u);
    EXPECT_EQ(request.items[3].submenu[0].id, 1003u);

    EXPECT_TRUE(TrackPopupMenuEx(menu, TPM_LEFTALIGN, 5, 6, owner.Handle(), nullptr));
    const std::vector<MSG> commands = TakeCommands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(std::tie(commands[0].hwnd, commands[0].wParam, commands[0].lParam),
              std::make_tuple(owner.Handle(), MAKEWPARAM(1001, 0), LPARAM{0}));
}

TEST_F(TrackPopupMenuTest, AChoiceTheMenuCannotTakeCountsAsDismissedAsTheHeadlessUiDoes) {
    // Dismissed, grayed, not in the menu, in a disabled submenu.
    const std::pair<UINT, bool> choices[] = {
        {0, false}, {1002, false}, {4242, false}, {1003, true}};
    for (const auto& [answer, disableMore] : choices) {
        SCOPED_TRACE(answer);
        if (disableMore) EnableMenuItem(menu, 3, MF_BYPOSITION | MF_DISABLED);
        ScriptedShellUi ui;
        ui.menuAnswers = {answer, answer};
        EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, owner.Handle(), nullptr));
        EXPECT_TRUE(TakeCommands().empty());
        EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner.Handle(), nullptr), 0);
        EXPECT_EQ(ui.menus.size(), 2u);
    }

    EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, owner.Handle(), nullptr));
    EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(TrackPopupMenuTest, OwnerMayUpdateTheMenuOnWmInitMenuPopupUnlessNoNotify) {
    onInitMenuPopup = [](HMENU popup) { EnableMenuItem(popup, 1002, MF_ENABLED); };
    ScriptedShellUi ui;
    ui.menuAnswers = {1002, 1001, 1002};
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, 0, 0, 0, owner.Handle(), nullptr),
              0);
    EXPECT_TRUE(initMenuPopups.empty());
    // The command is still posted: TPM_NONOTIFY only silences the notifications.
    EXPECT_TRUE(TrackPopupMenu(menu, TPM_NONOTIFY, 0, 0, 0, owner.Handle(), nullptr));
    EXPECT_EQ(TakeCommands().size(), 1u);

    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner.Handle(), nullptr), 1002);
    EXPECT_EQ(initMenuPopups, std::vector<WPARAM>{reinterpret_cast<WPARAM>(menu)});
    EXPECT_EQ(ui.menus[2].items[1].flags, 0u);
}

TEST_F(TrackPopupMenuTest, BadMenuOrOwnerFailsWithoutAsking) {
    ScriptedShellUi ui;
    EXPECT_TRUE(FailsWith(
        TrackPopupMenu(reinterpret_cast<HMENU>(0x1234), 0, 0, 0, 0, owner.Handle(), nullptr),
        ERROR_INVALID_MENU_HANDLE));
    EXPECT_TRUE(FailsWith(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, nullptr, nullptr),
                          ERROR_INVALID_WINDOW_HANDLE));
    const HWND gone = TestWindow().Handle();  // Destroyed with the temporary.
    EXPECT_TRUE(
        FailsWith(TrackPopupMenu(menu, 0, 0, 0, 0, gone, nullptr), ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_TRUE(ui.menus.empty());
    EXPECT_TRUE(initMenuPopups.empty());
}

}  // namespace
