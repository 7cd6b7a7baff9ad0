// What a list box shows, for the window dump, the view and the agent: its items, the selection
// and the rows in sight.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/gdi/Drawing.h"

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

// What row |index| of an owner-drawn list box shows: what its parent draws for it, in the row's
// rectangle, on a context with the list's font, as the row stands (selected, disabled). nullopt
// for a list that is not owner-drawn or a row it does not have.
std::optional<std::vector<DrawnShape>> DrawListBoxRow(HWND listBox, int index);
// The texts a person reads on row |index|: those its parent draws in an owner-drawn list without
// strings, else the row's string; empty for a row the list does not have.
std::string ListBoxRowText(HWND listBox, int index);

}  // namespace winport
