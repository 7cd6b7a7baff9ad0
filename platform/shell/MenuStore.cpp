#include "platform/shell/MenuStore.h"

#include <cstdio>

#include "platform/core/LastError.h"
#include "platform/shell/MenuApi.h"

namespace winport {
namespace {

// Menu handles carry this tag in their low bits, so small numbers and other handles never
// pass for a menu.
constexpr std::uintptr_t kMenuTag = 0xD;
constexpr unsigned kTagBits = 4;

std::uintptr_t SerialOf(HMENU handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    if ((value & ((std::uintptr_t{1} << kTagBits) - 1)) != kMenuTag) return 0;
    return value >> kTagBits;
}

}  // namespace

std::string HandleText(const void* handle) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", handle);
    return text;
}

MenuStore::Access MenuStore::Open() {
    // Never destroyed, so menus may be released from static destructors.
    static auto* store = new MenuStore;
    return Access(*store);
}

HMENU MenuStore::Access::Create() {
    const std::uintptr_t serial = m_store.m_nextSerial++;
    m_store.m_menus.emplace(serial, Menu{});
    return reinterpret_cast<HMENU>((serial << kTagBits) | kMenuTag);
}

Menu* MenuStore::Access::Lookup(HMENU handle) {
    const auto found = m_store.m_menus.find(SerialOf(handle));
    return found == m_store.m_menus.end() ? nullptr : &found->second;
}

Menu* MenuStore::Access::Find(HMENU handle, std::string_view function) {
    Menu* menu = Lookup(handle);
    if (!menu) {
        SetLastErrorText(ERROR_INVALID_MENU_HANDLE,
                         std::string(function) + ": " + HandleText(handle) + " is not a menu");
    }
    return menu;
}

std::optional<MenuItemRef> MenuStore::Access::FindItem(HMENU handle, UINT item, UINT flags) {
    Menu* menu = Lookup(handle);
    if (!menu) return std::nullopt;
    if (flags & MF_BYPOSITION) {
        if (item >= menu->items.size()) return std::nullopt;
        return MenuItemRef{handle, menu, item};
    }
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& candidate = menu->items[i];
        if (candidate.flags & MF_POPUP) {
            if (auto inSubmenu = FindItem(candidate.submenu, item, flags)) return inSubmenu;
        } else if (candidate.id == item) {
            return MenuItemRef{handle, menu, i};
        }
    }
    return std::nullopt;
}

void MenuStore::Access::Destroy(HMENU handle) {
    const auto found = m_store.m_menus.find(SerialOf(handle));
    if (found == m_store.m_menus.end()) return;
    const Menu menu = std::move(found->second);
    m_store.m_menus.erase(found);
    for (const MenuItem& item : menu.items) {
        if (item.flags & MF_POPUP) Destroy(item.submenu);
    }
}

bool MenuStore::Access::Reaches(HMENU root, HMENU target) {
    if (root == target) return true;
    const Menu* menu = Lookup(root);
    if (!menu) return false;
    for (const MenuItem& item : menu->items) {
        if ((item.flags & MF_POPUP) && Reaches(item.submenu, target)) return true;
    }
    return false;
}

std::vector<MenuItemSnapshot> MenuStore::Access::Snapshot(HMENU handle) {
    std::vector<MenuItemSnapshot> items;
    const Menu* menu = Lookup(handle);
    if (!menu) return items;
    for (const MenuItem& item : menu->items) {
        items.push_back(
            {item.id, item.text, item.flags,
             (item.flags & MF_POPUP) ? Snapshot(item.submenu) : std::vector<MenuItemSnapshot>{}});
    }
    return items;
}

}  // namespace winport
