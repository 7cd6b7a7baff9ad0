// Every menu of the process behind one lock: the objects behind HMENU handles, and the item
// look-ups the menu functions share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/shell/ShellUi.h"

namespace winport {

struct MenuItem {
    UINT id = 0;  // 0 for submenus.
    std::string text;
    UINT flags = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR.
    HMENU submenu = nullptr;
};

struct Menu {
    std::vector<MenuItem> items;
};

// Where an item was found: the menu that holds it (possibly a submenu) and its index there.
struct MenuItemRef {
    HMENU handle = nullptr;
    Menu* menu = nullptr;
    std::size_t index = 0;

    MenuItem& Item() const { return menu->items[index]; }
};

// A handle as an error text shows it.
std::string HandleText(const void* handle);

class MenuStore {
public:
    // Exclusive use of every menu for as long as it lives; never held while calling out.
    class Access {
    public:
        HMENU Create();
        // Null with ERROR_INVALID_MENU_HANDLE naming |function| when |handle| is not a live menu.
        Menu* Find(HMENU handle, std::string_view function);
        // The item at position |item| (MF_BYPOSITION in |flags|) or the first with command
        // |item|, searched depth first through submenus as Windows does. Sets no error.
        std::optional<MenuItemRef> FindItem(HMENU handle, UINT item, UINT flags);
        // Destroys |handle| and the submenus still attached to it; dead handles are skipped.
        void Destroy(HMENU handle);
        // True when |target| is |root| or one of its submenus at any depth.
        bool Reaches(HMENU root, HMENU target);
        std::vector<MenuItemSnapshot> Snapshot(HMENU handle);
        std::size_t Count() const { return m_store.m_menus.size(); }

    private:
        friend class MenuStore;
        explicit Access(MenuStore& store) : m_lock(store.m_mutex), m_store(store) {}
        Menu* Lookup(HMENU handle);

        std::unique_lock<std::mutex> m_lock;
        MenuStore& m_store;
    };

    static Access Open();

private:
    MenuStore() = default;

    std::mutex m_mutex;
    std::uintptr_t m_nextSerial = 1;  // Never reused, so a stale handle stays invalid.
    std::unordered_map<std::uintptr_t, Menu> m_menus;
};

}  // namespace winport
