#include "platform/shell/MenuApi.h"

#include <algorithm>
#include <string>

#include "platform/core/LastError.h"
#include "platform/shell/MenuStore.h"
#include "platform/text/TextCopy.h"

using winport::HandleText;
using winport::Menu;
using winport::MenuItem;
using winport::MenuItemRef;
using winport::MenuStore;

namespace {

constexpr UINT kEnableFlags = MF_GRAYED | MF_DISABLED;
constexpr UINT kKeptFlags = kEnableFlags | MF_CHECKED | MF_POPUP | MF_SEPARATOR;
constexpr UINT kNotFound = static_cast<UINT>(-1);

enum class SubmenuFate { Destroy, Keep };

// The item |item| names in |menu| (a position with MF_BYPOSITION, else a command); nothing with
// ERROR_INVALID_MENU_HANDLE or ERROR_MENU_ITEM_NOT_FOUND naming |function| otherwise.
std::optional<MenuItemRef> LocateItem(MenuStore::Access& menus, HMENU menu, UINT item, UINT flags,
                                      std::string_view function) {
    if (!menus.Find(menu, function)) return std::nullopt;
    auto found = menus.FindItem(menu, item, flags);
    if (!found) {
        const std::string what =
            (flags & MF_BYPOSITION) ? "no item at position " : "no item with command ";
        winport::SetLastErrorText(
            ERROR_MENU_ITEM_NOT_FOUND,
            std::string(function) + ": " + what + std::to_string(item) + " in " + HandleText(menu));
    }
    return found;
}

// The item AppendMenu, InsertMenu and ModifyMenu describe, to be placed in |parent|; nothing
// with the last error set for unsupported kinds, a bad submenu or one that contains |parent|.
std::optional<MenuItem> DescribeItem(MenuStore::Access& menus, HMENU parent, UINT flags,
                                     UINT_PTR idOrPopup, const char* text,
                                     std::string_view function) {
    if (flags & (MF_BITMAP | MF_OWNERDRAW)) {
        winport::SetLastErrorText(
            ERROR_INVALID_PARAMETER,
            std::string(function) + ": bitmap and owner-drawn menu items are not supported");
        return std::nullopt;
    }
    MenuItem item;
    item.flags = flags & kKeptFlags;
    if (!text && !(flags & MF_POPUP)) item.flags |= MF_SEPARATOR;
    if (text && !(item.flags & MF_SEPARATOR)) item.text = text;
    if (!(flags & MF_POPUP)) {
        item.id = static_cast<UINT>(idOrPopup);
        return item;
    }
    item.submenu = reinterpret_cast<HMENU>(idOrPopup);
    if (!menus.Find(item.submenu, function)) return std::nullopt;
    if (menus.Reaches(item.submenu, parent)) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, std::string(function) + ": menu " +
                                                               HandleText(item.submenu) +
                                                               " would become a submenu of itself");
        return std::nullopt;
    }
    return item;
}

BOOL InsertItem(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, const char* text,
                std::string_view function) {
    auto menus = MenuStore::Open();
    Menu* target = menus.Find(menu, function);
    if (!target) return FALSE;
    HMENU targetHandle = menu;
    std::size_t index = target->items.size();
    if (flags & MF_BYPOSITION) {
        index = std::min<std::size_t>(position, index);
    } else if (auto found = menus.FindItem(menu, position, flags)) {
        targetHandle = found->handle;
        target = found->menu;
        index = found->index;
    }
    auto item = DescribeItem(menus, targetHandle, flags, idOrPopup, text, function);
    if (!item) return FALSE;
    target->items.insert(target->items.begin() + static_cast<std::ptrdiff_t>(index),
                         std::move(*item));
    return TRUE;
}

BOOL RemoveItem(HMENU menu, UINT position, UINT flags, SubmenuFate fate,
                std::string_view function) {
    auto menus = MenuStore::Open();
    const auto found = LocateItem(menus, menu, position, flags, function);
    if (!found) return FALSE;
    const MenuItem removed = std::move(found->Item());
    found->menu->items.erase(found->menu->items.begin() +
                             static_cast<std::ptrdiff_t>(found->index));
    if (fate == SubmenuFate::Destroy && (removed.flags & MF_POPUP)) menus.Destroy(removed.submenu);
    return TRUE;
}

// Replaces the bits of |mask| in the item's flags with those of |flags|; answers the old ones,
// or -1 when the item is missing.
LONG SwapItemFlags(HMENU menu, UINT item, UINT flags, UINT mask, std::string_view function) {
    auto menus = MenuStore::Open();
    const auto found = LocateItem(menus, menu, item, flags, function);
    if (!found) return -1;
    UINT& itemFlags = found->Item().flags;
    const UINT previous = itemFlags & mask;
    itemFlags = (itemFlags & ~mask) | (flags & mask);
    return static_cast<LONG>(previous);
}

}  // namespace

HMENU CreateMenu() {
    return MenuStore::Open().Create();
}

HMENU CreatePopupMenu() {
    return MenuStore::Open().Create();
}

BOOL DestroyMenu(HMENU menu) {
    auto menus = MenuStore::Open();
    if (!menus.Find(menu, "DestroyMenu")) return FALSE;
    menus.Destroy(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    return MenuStore::Open().Find(menu, "IsMenu") ? TRUE : FALSE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, const char* text) {
    return InsertItem(menu, kNotFound, flags | MF_BYPOSITION, idOrPopup, text, "AppendMenu");
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, const char* text) {
    return InsertItem(menu, position, flags, idOrPopup, text, "InsertMenu");
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, const char* text) {
    auto menus = MenuStore::Open();
    const auto found = LocateItem(menus, menu, position, flags, "ModifyMenu");
    if (!found) return FALSE;
    auto item = DescribeItem(menus, found->handle, flags, idOrPopup, text, "ModifyMenu");
    if (!item) return FALSE;
    MenuItem& current = found->Item();
    const bool replacesSubmenu = (current.flags & MF_POPUP) && current.submenu != item->submenu;
    const HMENU replaced = current.submenu;
    current = std::move(*item);
    if (replacesSubmenu) menus.Destroy(replaced);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    return RemoveItem(menu, position, flags, SubmenuFate::Destroy, "DeleteMenu");
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    return RemoveItem(menu, position, flags, SubmenuFate::Keep, "RemoveMenu");
}

HMENU GetSubMenu(HMENU menu, int position) {
    auto menus = MenuStore::Open();
    const auto found =
        LocateItem(menus, menu, static_cast<UINT>(position), MF_BYPOSITION, "GetSubMenu");
    if (!found || !(found->Item().flags & MF_POPUP)) return nullptr;
    return found->Item().submenu;
}

int GetMenuItemCount(HMENU menu) {
    auto menus = MenuStore::Open();
    const Menu* found = menus.Find(menu, "GetMenuItemCount");
    return found ? static_cast<int>(found->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    auto menus = MenuStore::Open();
    const auto found =
        LocateItem(menus, menu, static_cast<UINT>(position), MF_BYPOSITION, "GetMenuItemID");
    if (!found || (found->Item().flags & MF_POPUP)) return kNotFound;
    return found->Item().id;
}

int GetMenuString(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags) {
    if (buffer && maxCount > 0) buffer[0] = '\0';
    auto menus = MenuStore::Open();
    const auto found = LocateItem(menus, menu, item, flags, "GetMenuString");
    if (!found) return 0;
    const std::string& text = found->Item().text;
    if (!buffer || maxCount <= 0) return static_cast<int>(text.size());
    return winport::CopyTextToBuffer(text, buffer, maxCount);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    auto menus = MenuStore::Open();
    const auto found = LocateItem(menus, menu, item, flags, "GetMenuState");
    if (!found) return kNotFound;
    const MenuItem& state = found->Item();
    if (!(state.flags & MF_POPUP)) return state.flags;
    const Menu* submenu = menus.Find(state.submenu, "GetMenuState");
    if (!submenu) return kNotFound;
    return static_cast<UINT>(submenu->items.size() << 8) | (state.flags & 0xFF);
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    return SwapItemFlags(menu, item, enable, kEnableFlags, "EnableMenuItem");
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    return static_cast<DWORD>(SwapItemFlags(menu, item, check, MF_CHECKED, "CheckMenuItem"));
}

namespace winport {

std::optional<std::vector<MenuItemSnapshot>> SnapshotMenu(HMENU menu) {
    auto menus = MenuStore::Open();
    if (!menus.Find(menu, "SnapshotMenu")) return std::nullopt;
    return menus.Snapshot(menu);
}

bool IsChoosableCommand(const std::vector<MenuItemSnapshot>& items, UINT command) {
    return std::ranges::any_of(items, [command](const MenuItemSnapshot& item) {
        if (item.flags & kEnableFlags) return false;
        if (item.flags & MF_POPUP) return IsChoosableCommand(item.submenu, command);
        return !(item.flags & MF_SEPARATOR) && item.id == command;
    });
}

std::size_t LiveMenuCount() {
    return MenuStore::Open().Count();
}

}  // namespace winport
