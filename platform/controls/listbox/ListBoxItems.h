// The items of a list box, or of a combo box's list: text, sort key and item data, with the
// selected item and the first visible row. Indexes are ints, as the messages carry them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

struct ListItem {
    std::string text;
    std::u32string sortKey;  // Empty in a list that keeps no strings.
    ULONG_PTR data = 0;
};

class ListBoxItems {
public:
    int Count() const { return static_cast<int>(m_order.size()); }
    bool IsIndex(int index) const { return index >= 0 && index < Count(); }
    // |index| must be an index.
    const ListItem& At(int index) const { return *m_order[static_cast<size_t>(index)]; }
    void SetData(int index, ULONG_PTR data) { m_order[static_cast<size_t>(index)]->data = data; }

    // Inserts at |index|, 0 to Count(); the selection stays with its item.
    void Insert(int index, ListItem item);
    // Removes one item; the selection is lost with its own item and follows any other.
    ListItem Remove(int index);
    // Removes every item; answers their data in index order. No selection, the top row is the
    // first.
    std::vector<ULONG_PTR> RemoveAll();

    // Where a new item goes in a sorted list: before the first item that does not sort before
    // it. |compare|(i) is negative when item i sorts before the new item.
    int SortedPosition(const std::function<int(int)>& compare) const;
    int SortedPosition(const std::u32string& sortKey) const;

    // Searches start after |start| and wrap around to it; a |start| that is no index searches
    // the whole list from the top. -1 when nothing matches.
    int FindPrefix(int start, std::string_view prefix) const;
    int FindExact(int start, std::string_view text) const;
    int FindData(int start, ULONG_PTR data) const;

    int Selection() const { return m_selection; }
    // -1 or an index.
    void Select(int index) { m_selection = index; }

    int Top() const { return m_top; }
    // Makes |index| the first visible row, as far as a page of |pageRows| rows allows.
    void SetTop(int index, int pageRows);
    // Scrolls the least that shows row |index| in a page of |pageRows| rows.
    void ScrollIntoView(int index, int pageRows);

private:
    int FindFrom(int start, const std::function<bool(const ListItem&)>& matches) const;

    // The items, owned in no particular order; m_order holds them in the list's order, so that
    // an insertion into a long list moves plain pointers only.
    std::vector<std::unique_ptr<ListItem>> m_storage;
    std::vector<ListItem*> m_order;
    int m_selection = -1;
    int m_top = 0;
};

}  // namespace winport
