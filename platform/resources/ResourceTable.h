// The resources one module carries, as constant data: dialog templates, menus, bitmaps and
// strings. A table joins the process's resource chain when its module is loaded.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/core/WinTypes.h"
#include "platform/resources/DialogTemplate.h"

namespace winport {

// One item of a menu template: a command, a separator (MF_SEPARATOR) or, when |popup| is not
// empty or MF_POPUP is set, a submenu. |flags| are the MF_* flags a resource script gives.
struct MenuTemplateItem {
    UINT id = 0;
    std::string_view text;
    UINT flags = 0;
    std::span<const MenuTemplateItem> popup;
};

// A menu bar; each top-level item with a popup becomes a submenu.
struct MenuTemplate {
    int id = 0;
    std::span<const MenuTemplateItem> items;
};

struct BitmapResource {
    int id = 0;
    int width = 0;
    int height = 0;
    std::span<const std::uint32_t> pixels;  // BGRA (0xAARRGGBB), top-down, width * height.
};

struct StringResource {
    UINT id = 0;
    std::string_view text;
};

struct ResourceTable {
    std::string_view name;  // Names the table in error texts.
    std::span<const DialogTemplate> dialogs;
    std::span<const MenuTemplate> menus;
    std::span<const BitmapResource> bitmaps;
    std::span<const StringResource> strings;
};

}  // namespace winport
