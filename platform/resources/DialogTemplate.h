// Dialog templates as data: the dialog's id, title, style and font, and its controls with id,
// class, caption, style and rectangle in dialog units.
#pragma once

#include <span>
#include <string_view>

#include "platform/core/WinTypes.h"

namespace winport {

// A rectangle in dialog units: origin and size, as a resource script writes it.
struct DluRect {
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
};

struct DialogFont {
    int pointSize = 8;
    std::string_view face = "MS Shell Dlg";
};

struct ControlTemplate {
    int id = 0;
    std::string_view className;  // "Button", "Edit", "Static", "ComboBox", "SysListView32" ...
    std::string_view text;
    DWORD style = 0;  // WS_CHILD is implied; WS_VISIBLE is not.
    DluRect rect;
    DWORD exStyle = 0;
};

struct DialogTemplate {
    int id = 0;
    std::string_view title;
    DWORD style = 0;
    DluRect rect;
    std::span<const ControlTemplate> controls;
    DialogFont font;
    DWORD exStyle = 0;
};

}  // namespace winport
