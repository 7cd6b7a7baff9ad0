// What a list box shows, for the window dump, the view and the agent: its items, the selection
// and the rows in sight.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

struct ListBoxState {
    std::vector<std::string> items;  // Empty texts in an owner-drawn list without strings.
    std::vector<ULONG_PTR> itemData;
    int selection = -1;
    int topIndex = 0;
    int itemHeight = 0;
    int visibleRows = 0;  // Whole rows the client area holds.
    bool ownerDrawn = false;
    bool hasStrings = true;
    bool focused = false;
};

// The state of |listBox|, read on the window's own thread; nullopt with the last error set when
// it is not a window of the ListBox class.
std::optional<ListBoxState> GetListBoxState(HWND listBox);

}  // namespace winport
