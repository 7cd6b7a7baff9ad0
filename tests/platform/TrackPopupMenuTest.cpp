#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "ShellUiTestSupport.h"
#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/MenuApi.h"

namespace {

using shelltest::ScriptedShellUi;
using shelltest::TestWindow;

std::vector<WPARAM> g_initMenuPopups;
std::function<void(HMENU)> g_onInitMenuPopup;

LRESULT OwnerProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITMENUPOPUP) {
        g_initMenuPopups.push_back(wParam);
        if (g_onInitMenuPopup) g_onInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// The menu: &Copy 1001, &Paste 1002 (grayed), separator, More -> Select &all 1003
class TrackPopupMenuTest : public testing::Test {
protected:
    void SetUp() override {
        g_initMenuPopups.clear();
        g_onInitMenuPopup = nullptr;
        more = CreatePopupMenu();
        menu = CreatePopupMenu();
        AppendMenu(more, MF_STRING, 1003, "Select &all");
        AppendMenu(menu, MF_STRING, 1001, "&Copy");
        AppendMenu(menu, MF_STRING | MF_GRAYED, 1002, "&Paste");
        AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "More");
    }
    void TearDown() override {
        g_onInitMenuPopup = nullptr;
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

    TestWindow owner{"PopupMenuOwner", OwnerProcedure};
    HMENU menu = nullptr;
    HMENU more = nullptr;
};

TEST_F(TrackPopupMenuTest, ReturnCmdAnswersTheChoiceAndPostsNothing) {
    ScriptedShellUi ui;
    ui.menuAnswers = {1003};
    EXPECT_EQ(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, 40, 50, 0, owner.Handle(), nullptr),
        1003);
    EXPECT_TRUE(TakeCommands().empty());
    ASSERT_EQ(ui.menus.size(), 1u);
    const winport::PopupMenuRequest& request = ui.menus[0];
    EXPECT_EQ(request.owner, owner.Handle());
    EXPECT_EQ(request.position, (POINT{40, 50}));
    EXPECT_EQ(request.flags, TPM_RETURNCMD | TPM_RIGHTBUTTON);
    ASSERT_EQ(request.items.size(), 4u);
    EXPECT_EQ(request.items[0].id, 1001u);
    EXPECT_EQ(request.items[0].text, "&Copy");
    EXPECT_EQ(request.items[1].flags, MF_GRAYED);
    EXPECT_EQ(request.items[2].flags, MF_SEPARATOR);
    EXPECT_EQ(request.items[3].flags, MF_POPUP);
    EXPECT_EQ(request.items[3].text, "More");
    ASSERT_EQ(request.items[3].submenu.size(), 1u);
    EXPECT_EQ(request.items[3].submenu[0].id, 1003u);
}

TEST_F(TrackPopupMenuTest, ChosenCommandIsPostedToTheOwner) {
    ScriptedShellUi ui;
    ui.menuAnswers = {1001};
    EXPECT_TRUE(TrackPopupMenuEx(menu, TPM_LEFTALIGN, 5, 6, owner.Handle(), nullptr));
    const std::vector<MSG> commands = TakeCommands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].hwnd, owner.Handle());
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(1001, 0));
    EXPECT_EQ(commands[0].lParam, 0);
}

struct RefusedChoice {
    const char* name;
    UINT answer;
    bool disableMore;
    friend void PrintTo(const RefusedChoice& choice, std::ostream* out) { *out << choice.name; }
};

class TrackPopupMenuRefusalTest : public TrackPopupMenuTest,
                                  public testing::WithParamInterface<RefusedChoice> {};

TEST_P(TrackPopupMenuRefusalTest, CountsAsDismissed) {
    if (GetParam().disableMore) EnableMenuItem(menu, 3, MF_BYPOSITION | MF_DISABLED);
    ScriptedShellUi ui;
    ui.menuAnswers = {GetParam().answer, GetParam().answer};
    EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, owner.Handle(), nullptr));
    EXPECT_TRUE(TakeCommands().empty());
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner.Handle(), nullptr), 0);
    EXPECT_EQ(ui.menus.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(TrackPopupMenuTest, TrackPopupMenuRefusalTest,
                         testing::Values(RefusedChoice{"Dismissed", 0, false},
                                         RefusedChoice{"Grayed", 1002, false},
                                         RefusedChoice{"NotInTheMenu", 4242, false},
                                         RefusedChoice{"InADisabledSubmenu", 1003, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrackPopupMenuTest, OwnerMayUpdateTheMenuOnWmInitMenuPopup) {
    g_onInitMenuPopup = [](HMENU popup) { EnableMenuItem(popup, 1002, MF_ENABLED); };
    ScriptedShellUi ui;
    ui.menuAnswers = {1002};
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner.Handle(), nullptr), 1002);
    EXPECT_EQ(g_initMenuPopups, std::vector<WPARAM>{reinterpret_cast<WPARAM>(menu)});
    EXPECT_EQ(ui.menus[0].items[1].flags, 0u);
}

TEST_F(TrackPopupMenuTest, NoNotifySendsNoWmInitMenuPopup) {
    g_onInitMenuPopup = [](HMENU popup) { EnableMenuItem(popup, 1002, MF_ENABLED); };
    ScriptedShellUi ui;
    ui.menuAnswers = {1002, 1001};
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, 0, 0, 0, owner.Handle(), nullptr),
              0);
    EXPECT_TRUE(g_initMenuPopups.empty());
    // The command is still posted: TPM_NONOTIFY only silences the notifications.
    EXPECT_TRUE(TrackPopupMenu(menu, TPM_NONOTIFY, 0, 0, 0, owner.Handle(), nullptr));
    EXPECT_EQ(TakeCommands().size(), 1u);
}

TEST_F(TrackPopupMenuTest, HeadlessShellUiDismissesTheMenu) {
    EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, owner.Handle(), nullptr));
    EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(TrackPopupMenuTest, BadMenuOrOwnerFailsWithoutAsking) {
    ScriptedShellUi ui;
    EXPECT_FALSE(
        TrackPopupMenu(reinterpret_cast<HMENU>(0x1234), 0, 0, 0, 0, owner.Handle(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
    EXPECT_FALSE(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    HWND gone = nullptr;
    {
        TestWindow window;
        gone = window.Handle();
    }
    EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, gone, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_TRUE(ui.menus.empty());
    EXPECT_TRUE(g_initMenuPopups.empty());
}

}  // namespace
