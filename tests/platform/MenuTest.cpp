#include "platform/shell/MenuApi.h"

#include <functional>
#include <string>
#include <utility>

#include "LastErrorCheck.h"
#include "platform/shell/MenuStore.h"

namespace {

constexpr UINT kMissing = static_cast<UINT>(-1);

// The bar:  &File -> &New 1001, &Open 1002 (grayed), separator, Recent -> a.txt 1101 (checked)
//           &View 1003
class MenuTest : public testing::Test {
protected:
    void SetUp() override {
        bar = CreateMenu();
        file = CreatePopupMenu();
        recent = CreatePopupMenu();
        ASSERT_TRUE(AppendMenu(recent, MF_STRING | MF_CHECKED, 1101, "a.txt"));
        ASSERT_TRUE(AppendMenu(file, MF_STRING, 1001, "&New"));
        ASSERT_TRUE(AppendMenu(file, MF_STRING | MF_GRAYED, 1002, "&Open"));
        ASSERT_TRUE(AppendMenu(file, MF_SEPARATOR, 0, nullptr));
        ASSERT_TRUE(AppendMenu(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "Recent"));
        ASSERT_TRUE(AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File"));
        ASSERT_TRUE(AppendMenu(bar, MF_STRING, 1003, "&View"));
    }
    void TearDown() override {
        if (IsMenu(bar)) DestroyMenu(bar);
        EXPECT_EQ(winport::LiveMenuCount(), 0u);
    }

    static std::string Text(HMENU menu, UINT item, UINT flags) {
        char buffer[64];
        GetMenuString(menu, item, buffer, sizeof buffer, flags);
        return buffer;
    }
    static void ExpectError(DWORD code, const std::string& text) {
        EXPECT_EQ(GetLastError(), code);
        EXPECT_EQ(winport::GetLastErrorText(), text);
    }

    HMENU bar = nullptr;
    HMENU file = nullptr;
    HMENU recent = nullptr;
};

TEST_F(MenuTest, ItemsKeepTheirIdsTextsAndStatesAndEnableAndCheckAnswerThePreviousOne) {
    EXPECT_EQ(winport::LiveMenuCount(), 3u);
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(GetSubMenu(bar, 0), file);
    EXPECT_EQ(GetSubMenu(bar, 1), nullptr);
    EXPECT_EQ(GetMenuItemID(bar, 0), kMissing);  // A submenu has no command.
    EXPECT_EQ(GetMenuItemID(bar, 1), 1003u);
    EXPECT_EQ(GetMenuItemID(file, 2), 0u);
    EXPECT_EQ(GetMenuItemID(file, 4), kMissing);
    EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION), (4u << 8) | MF_POPUP);
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), MF_SEPARATOR);
    // By command, the search goes down into submenus.
    EXPECT_EQ(GetMenuState(bar, 1002, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(GetMenuState(bar, 1101, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(GetMenuState(bar, 4242, MF_BYCOMMAND), kMissing);
    EXPECT_EQ(Text(bar, 0, MF_BYPOSITION), "&File");
    EXPECT_EQ(Text(bar, 1101, MF_BYCOMMAND), "a.txt");

    EXPECT_EQ(EnableMenuItem(bar, 1002, MF_ENABLED), static_cast<BOOL>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(bar, 1002, MF_BYCOMMAND), 0u);
    EXPECT_EQ(EnableMenuItem(bar, 1, MF_BYPOSITION | MF_DISABLED), static_cast<BOOL>(MF_ENABLED));
    EXPECT_EQ(GetMenuState(bar, 1003, MF_BYCOMMAND), MF_DISABLED);
    EXPECT_EQ(CheckMenuItem(bar, 1101, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(bar, 1001, MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION), MF_CHECKED);
    EXPECT_EQ(EnableMenuItem(bar, 4242, MF_GRAYED), -1);
    ExpectError(ERROR_MENU_ITEM_NOT_FOUND,
                "EnableMenuItem: no item with command 4242 in " + winport::HandleText(bar));
    EXPECT_EQ(CheckMenuItem(file, 9, MF_BYPOSITION | MF_CHECKED), static_cast<DWORD>(-1));
    ExpectError(ERROR_MENU_ITEM_NOT_FOUND,
                "CheckMenuItem: no item at position 9 in " + winport::HandleText(file));
}

TEST_F(MenuTest, InsertGoesBeforeThePositionOrCommandAndModifyReplacesAndDestroysASubmenu) {
    ASSERT_TRUE(InsertMenu(file, 1, MF_BYPOSITION, 1004, "&Save"));
    EXPECT_EQ(GetMenuItemID(file, 1), 1004u);
    EXPECT_EQ(GetMenuItemID(file, 2), 1002u);
    ASSERT_TRUE(InsertMenu(bar, 1101, MF_BYCOMMAND, 1102, "b.txt"));  // Into |recent|.
    EXPECT_EQ(GetMenuItemID(recent, 0), 1102u);
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    ASSERT_TRUE(InsertMenu(file, 99, MF_BYPOSITION, 1005, "Last"));
    EXPECT_EQ(GetMenuItemID(file, 5), 1005u);
    ASSERT_TRUE(InsertMenu(bar, 4242, MF_BYCOMMAND, 1006, "Appended"));  // No such command.
    EXPECT_EQ(GetMenuItemID(bar, 2), 1006u);

    ASSERT_TRUE(ModifyMenu(bar, 1003, MF_BYCOMMAND | MF_CHECKED, 1007, "&Zoom"));
    EXPECT_EQ(GetMenuItemID(bar, 1), 1007u);
    EXPECT_EQ(Text(bar, 1, MF_BYPOSITION), "&Zoom");
    EXPECT_EQ(GetMenuState(bar, 1, MF_BYPOSITION), MF_CHECKED);
    ASSERT_TRUE(ModifyMenu(bar, 0, MF_BYPOSITION, 1008, "Plain"));
    EXPECT_EQ(GetMenuItemID(bar, 0), 1008u);
    EXPECT_FALSE(IsMenu(file));
    EXPECT_FALSE(IsMenu(recent));
    EXPECT_TRUE(FailsWith(ModifyMenu(bar, 4242, MF_BYCOMMAND, 1, "x"), ERROR_MENU_ITEM_NOT_FOUND));
}

TEST_F(MenuTest, DeleteMenuDestroysTheSubmenuRemoveMenuKeepsIt) {
    ASSERT_TRUE(RemoveMenu(file, 3, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(file), 3);
    EXPECT_EQ(GetMenuItemCount(recent), 1);
    EXPECT_TRUE(DestroyMenu(recent));
    ASSERT_TRUE(DeleteMenu(bar, 0, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_TRUE(AnswersWith(GetMenuItemCount(file), -1, ERROR_INVALID_MENU_HANDLE));
    EXPECT_EQ(winport::LiveMenuCount(), 1u);
    EXPECT_TRUE(FailsWith(DeleteMenu(bar, 1001, MF_BYCOMMAND), ERROR_MENU_ITEM_NOT_FOUND));
}

TEST_F(MenuTest,
       GetMenuStringCopiesCutsOrMeasuresASeparatorHasNoTextAndDestroyMenuTakesItsSubmenus) {
    EXPECT_EQ(GetMenuString(bar, 1002, nullptr, 0, MF_BYCOMMAND), 5);
    char buffer[3] = "xx";
    EXPECT_EQ(GetMenuString(bar, 1002, buffer, sizeof buffer, MF_BYCOMMAND), 2);
    EXPECT_STREQ(buffer, "&O");
    EXPECT_EQ(GetMenuString(bar, 4242, buffer, sizeof buffer, MF_BYCOMMAND), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(GetLastError(), ERROR_MENU_ITEM_NOT_FOUND);

    ASSERT_TRUE(AppendMenu(bar, MF_STRING, 1009, nullptr));
    ASSERT_TRUE(AppendMenu(bar, MF_SEPARATOR, 0, "ignored"));
    EXPECT_EQ(GetMenuState(bar, 2, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(bar, 3, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuString(bar, 3, nullptr, 0, MF_BYPOSITION), 0);

    ASSERT_TRUE(DestroyMenu(bar));
    EXPECT_EQ(winport::LiveMenuCount(), 0u);
    EXPECT_FALSE(IsMenu(recent));
    EXPECT_FALSE(DestroyMenu(bar));
    ExpectError(ERROR_INVALID_MENU_HANDLE,
                "DestroyMenu: " + winport::HandleText(bar) + " is not a menu");
}

TEST_F(MenuTest, RefusesLoopsBadSubmenusUnsupportedKindsAndInventedOrDestroyedHandles) {
    EXPECT_FALSE(AppendMenu(recent, MF_POPUP, reinterpret_cast<UINT_PTR>(bar), "Loop"));
    ExpectError(ERROR_INVALID_PARAMETER, "AppendMenu: menu " + winport::HandleText(bar) +
                                             " would become a submenu of itself");
    EXPECT_TRUE(FailsWith(
        InsertMenu(bar, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(bar), "Self"),
        ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(FailsWith(AppendMenu(bar, MF_POPUP, 0x1234, "Bad"), ERROR_INVALID_MENU_HANDLE));
    EXPECT_TRUE(FailsWith(AppendMenu(bar, MF_BITMAP, 1010, nullptr), ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetMenuItemCount(recent), 1);

    // Each call with a bad menu, and whether it answered what Windows answers for one.
    const std::pair<const char*, std::function<bool(HMENU)>> calls[] = {
        {"GetMenuItemCount", [](HMENU m) { return GetMenuItemCount(m) == -1; }},
        {"GetMenuItemID", [](HMENU m) { return GetMenuItemID(m, 0) == kMissing; }},
        {"GetSubMenu", [](HMENU m) { return GetSubMenu(m, 0) == nullptr; }},
        {"GetMenuState", [](HMENU m) { return GetMenuState(m, 0, MF_BYPOSITION) == kMissing; }},
        {"GetMenuString", [](HMENU m) { return !GetMenuString(m, 0, nullptr, 0, MF_BYPOSITION); }},
        {"EnableMenuItem", [](HMENU m) { return EnableMenuItem(m, 0, MF_BYPOSITION) == -1; }},
        {"CheckMenuItem",
         [](HMENU m) { return CheckMenuItem(m, 0, MF_BYPOSITION) == static_cast<DWORD>(-1); }},
        {"AppendMenu", [](HMENU m) { return !AppendMenu(m, MF_STRING, 1, "x"); }},
        {"InsertMenu", [](HMENU m) { return !InsertMenu(m, 0, MF_BYPOSITION, 1, "x"); }},
        {"ModifyMenu", [](HMENU m) { return !ModifyMenu(m, 0, MF_BYPOSITION, 1, "x"); }},
        {"DeleteMenu", [](HMENU m) { return !DeleteMenu(m, 0, MF_BYPOSITION); }},
        {"RemoveMenu", [](HMENU m) { return !RemoveMenu(m, 0, MF_BYPOSITION); }},
        {"DestroyMenu", [](HMENU m) { return !DestroyMenu(m); }},
    };
    const HMENU destroyed = CreatePopupMenu();
    ASSERT_TRUE(DestroyMenu(destroyed));
    for (const HMENU bad : {destroyed, reinterpret_cast<HMENU>(0x1234), HMENU{}}) {
        for (const auto& [function, call] : calls) {
            EXPECT_TRUE(call(bad)) << function << " " << winport::HandleText(bad);
            ExpectError(ERROR_INVALID_MENU_HANDLE,
                        std::string(function) + ": " + winport::HandleText(bad) + " is not a menu");
        }
    }
}

}  // namespace
