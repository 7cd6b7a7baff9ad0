#include "platform/controls/listbox/ListBoxItems.h"

#include <algorithm>

#include "platform/controls/listbox/ListBoxText.h"

namespace winport {

void ListBoxItems::Insert(int index, ListItem item) {
    m_storage.push_back(std::make_unique<ListItem>(std::move(item)));
    m_order.insert(m_order.begin() + index, m_storage.back().get());
    if (m_selection >= index) ++m_selection;
}

ListItem ListBoxItems::Remove(int index) {
    ListItem* item = m_order[static_cast<size_t>(index)];
    ListItem removed = std::move(*item);
    m_order.erase(m_order.begin() + index);
    const auto owner = std::find_if(m_storage.begin(), m_storage.end(),
                                    [item](const auto& owned) { return owned.get() == item; });
    std::swap(*owner, m_storage.back());
    m_storage.pop_back();
    if (m_selection == index) {
        m_selection = -1;
    } else if (m_selection > index) {
        --m_selection;
    }
    m_top = std::min(m_top, std::max(Count() - 1, 0));
    return removed;
}

std::vector<ULONG_PTR> ListBoxItems::RemoveAll() {
    std::vector<ULONG_PTR> data;
    data.reserve(m_order.size());
    for (const ListItem* item : m_order) data.push_back(item->data);
    m_order.clear();
    m_storage.clear();
    m_selection = -1;
    m_top = 0;
    return data;
}

int ListBoxItems::SortedPosition(const std::function<int(int)>& compare) const {
    int low = 0;
    int high = Count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (compare(middle) < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

int ListBoxItems::SortedPosition(const std::u32string& sortKey) const {
    const auto position = std::lower_bound(m_order.begin(), m_order.end(), sortKey,
                                           [](const ListItem* item, const std::u32string& key) {
                                               return item->sortKey.compare(key) < 0;
                                           });
    return static_cast<int>(position - m_order.begin());
}

int ListBoxItems::FindPrefix(int start, std::string_view prefix) const {
    return FindFrom(start, [prefix](const ListItem& item) {
        return StartsWithIgnoringCase(item.text, prefix);
    });
}

int ListBoxItems::FindExact(int start, std::string_view text) const {
    const std::u32string key = ListSortKey(text);
    return FindFrom(start, [&key](const ListItem& item) { return item.sortKey == key; });
}

int ListBoxItems::FindData(int start, ULONG_PTR data) const {
    return FindFrom(start, [data](const ListItem& item) { return item.data == data; });
}

int ListBoxItems::FindFrom(int start, const std::function<bool(const ListItem&)>& matches) const {
    const int count = Count();
    if (!IsIndex(start)) start = count - 1;
    for (int step = 1; step <= count; ++step) {
        const int index = (start + step) % count;
        if (matches(At(index))) return index;
    }
    return -1;
}

void ListBoxItems::SetTop(int index, int pageRows) {
    const int lastTop = std::max(Count() - std::max(pageRows, 1), 0);
    m_top = std::clamp(index, 0, lastTop);
}

void ListBoxItems::ScrollIntoView(int index, int pageRows) {
    pageRows = std::max(pageRows, 1);
    if (index < m_top) {
        SetTop(index, pageRows);
    } else if (index >= m_top + pageRows) {
        SetTop(index - pageRows + 1, pageRows);
    }
}

}  // namespace winport
