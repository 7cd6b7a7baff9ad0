#include "platform/controls/listbox/ListBoxContent.h"
#include "platform/window/StateDescription.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/controls/ListBoxApi.h"
#include "platform/controls/listbox/ListBoxText.h"
#include "platform/core/LastError.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

// The dump lists this many items of a longer list, then says how many more there are.
constexpr int kDescribedItems = 10;

LRESULT Refuse(DWORD code, const char* message, const std::string& why) {
    SetLastErrorText(code, std::string(message) + ": " + why);
    return LB_ERR;
}

}  // namespace

ListBoxContent::ListBoxContent(HWND control, UINT ctlType, ListKind kind)
    : m_control(control), m_parent(control, ctlType), m_kind(kind) {}

bool ListBoxContent::CheckIndex(int index, const char* message) const {
    if (m_items.IsIndex(index)) return true;
    Refuse(ERROR_INVALID_INDEX, message,
           "index " + std::to_string(index) + " is not one of the " +
               std::to_string(m_items.Count()) + " items");
    return false;
}

std::optional<ListItem> ListBoxContent::MakeItem(LPARAM value, const char* message) const {
    ListItem item;
    if (!m_kind.hasStrings) {
        item.data = static_cast<ULONG_PTR>(value);
        return item;
    }
    const auto* text = reinterpret_cast<const char*>(value);
    if (!text) {
        Refuse(ERROR_INVALID_PARAMETER, message, "the text is a null pointer");
        return std::nullopt;
    }
    item.text = text;
    item.sortKey = ListSortKey(item.text);
    return item;
}

std::optional<int> ListBoxContent::SortedPosition(const ListItem& item) const {
    if (m_kind.hasStrings) return m_items.SortedPosition(item.sortKey);
    // Without strings only the parent can order the items.
    const int position = m_items.SortedPosition([this, &item](int index) {
        if (!IsWindow(m_control)) return 0;
        return m_parent.CompareWithNew(index, m_items.At(index).data, item.data);
    });
    if (!IsWindow(m_control)) return std::nullopt;
    return position;
}

LRESULT ListBoxContent::Add(LPARAM value, const char* message) {
    std::optional<ListItem> item = MakeItem(value, message);
    if (!item) return LB_ERR;
    int index = m_items.Count();
    if (m_kind.sorted) {
        const std::optional<int> position = SortedPosition(*item);
        if (!position) return LB_ERR;
        index = *position;
    }
    m_items.Insert(index, std::move(*item));
    return index;
}

LRESULT ListBoxContent::Insert(int index, LPARAM value, const char* message) {
    // -1 appends; a sorted list inserts where it is told.
    if (index == -1) index = m_items.Count();
    if (index < 0 || index > m_items.Count()) {
        return Refuse(ERROR_INVALID_INDEX, message,
                      "index " + std::to_string(index) + " is past the " +
                          std::to_string(m_items.Count()) + " items");
    }
    std::optional<ListItem> item = MakeItem(value, message);
    if (!item) return LB_ERR;
    m_items.Insert(index, std::move(*item));
    return index;
}

LRESULT ListBoxContent::Delete(int index, const char* message) {
    if (!CheckIndex(index, message)) return LB_ERR;
    const ListItem removed = m_items.Remove(index);
    const LRESULT left = m_items.Count();
    if (TellsParentOfDeletion(m_kind.ownerDrawn, removed.data)) {
        m_parent.DeleteItem(index, removed.data);
    }
    return left;
}

void ListBoxContent::Reset() {
    const std::vector<ULONG_PTR> removed = m_items.RemoveAll();
    // Windows deletes from the last item to the first.
    for (int index = static_cast<int>(removed.size()) - 1; index >= 0; --index) {
        const ULONG_PTR data = removed[static_cast<size_t>(index)];
        if (!TellsParentOfDeletion(m_kind.ownerDrawn, data)) continue;
        m_parent.DeleteItem(index, data);
        if (!IsWindow(m_control)) return;
    }
}

LRESULT ListBoxContent::GetText(int index, char* buffer, const char* message) const {
    if (!CheckIndex(index, message)) return LB_ERR;
    if (!buffer) return Refuse(ERROR_INVALID_PARAMETER, message, "the buffer is a null pointer");
    const ListItem& item = m_items.At(index);
    if (!m_kind.hasStrings) {
        // A list without strings hands out the item data instead.
        std::memcpy(buffer, &item.data, sizeof item.data);
        return sizeof item.data;
    }
    std::memcpy(buffer, item.text.c_str(), item.text.size() + 1);
    return static_cast<LRESULT>(item.text.size());
}

LRESULT ListBoxContent::GetTextLength(int index, const char* message) const {
    if (!CheckIndex(index, message)) return LB_ERR;
    if (!m_kind.hasStrings) return sizeof(ULONG_PTR);
    return static_cast<LRESULT>(m_items.At(index).text.size());
}

LRESULT ListBoxContent::GetData(int index, const char* message) const {
    if (!CheckIndex(index, message)) return LB_ERR;
    return static_cast<LRESULT>(m_items.At(index).data);
}

LRESULT ListBoxContent::SetData(int index, ULONG_PTR data, const char* message) {
    if (!CheckIndex(index, message)) return LB_ERR;
    m_items.SetData(index, data);
    return TRUE;
}

std::string ListBoxContent::DescribeItems() const {
    const int count = m_items.Count();
    if (!m_kind.hasStrings) return "items=" + std::to_string(count);
    std::string described = "items=[";
    for (int index = 0; index < std::min(count, kDescribedItems); ++index) {
        if (index > 0) described += ", ";
        described += QuoteText(m_items.At(index).text);
    }
    if (count > kDescribedItems) {
        described += ", ... " + std::to_string(count - kDescribedItems) + " more";
    }
    return described + "]";
}

LRESULT ListBoxContent::Find(int start, LPARAM value, ListMatch match, const char* message) const {
    int found = -1;
    if (!m_kind.hasStrings) {
        found = m_items.FindData(start, static_cast<ULONG_PTR>(value));
    } else {
        const auto* text = reinterpret_cast<const char*>(value);
        if (!text) return Refuse(ERROR_INVALID_PARAMETER, message, "the text is a null pointer");
        if (!*text) return LB_ERR;  // An empty text matches nothing.
        found = match == ListMatch::Prefix ? m_items.FindPrefix(start, text)
                                           : m_items.FindExact(start, text);
    }
    return found < 0 ? LB_ERR : found;
}

}  // namespace winport
