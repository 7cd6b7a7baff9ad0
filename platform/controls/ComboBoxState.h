// What a combo box shows, for the window dump, the view and the agent: its kind, items and
// selection, whether its list is down, and where the list and the button are.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

enum class ComboKind { Simple, DropDown, DropDownList };

struct ComboBoxState {
    ComboKind kind = ComboKind::DropDownList;
    std::vector<std::string> items;  // Empty texts in an owner-drawn combo without strings.
    int selection = -1;
    bool dropped = false;
    bool focused = false;
    int topIndex = 0;
    int itemHeight = 0;
    int visibleRows = 0;  // The rows the list shows when it is down (always, for CBS_SIMPLE).
    // In the combo's client coordinates. The list of a drop-down lies below the window and
    // shows only while it is down; a simple combo has no button (an empty rectangle).
    RECT listRect;
    RECT buttonRect;
    HWND edit = nullptr;  // The child edit of the editable kinds.
};

// The state of |combo|, read on the window's own thread; nullopt with the last error set when it
// is not a window of the ComboBox class.
std::optional<ComboBoxState> GetComboBoxState(HWND combo);

}  // namespace winport
