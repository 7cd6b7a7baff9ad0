// The item messages list boxes and combo boxes share (LB_ADDSTRING and CB_ADDSTRING, ...),
// applied to the items of one list. The answers are the list box's (LB_ERR equals CB_ERR); a
// failure also sets the last error, naming the message and the bad value. None of them notifies
// the parent; owner-drawn lists ask it to compare (WM_COMPAREITEM) and tell it of deletions
// (WM_DELETEITEM), as Windows does.
#pragma once

#include <optional>
#include <string>

#include "platform/controls/listbox/ListBoxItems.h"
#include "platform/controls/listbox/ListBoxOwnerDraw.h"
#include "platform/core/WinTypes.h"

namespace winport {

enum class ListMatch { Prefix, Exact };

struct ListKind {
    bool sorted = false;
    bool ownerDrawn = false;
    bool hasStrings = true;  // An owner-drawn list without strings keeps each item's data only.
};

class ListBoxContent {
public:
    // |control| is the window the items belong to; |ctlType| ODT_LISTBOX or ODT_COMBOBOX.
    ListBoxContent(HWND control, UINT ctlType, ListKind kind);
    ListBoxContent(const ListBoxContent&) = delete;
    ListBoxContent& operator=(const ListBoxContent&) = delete;

    ListBoxItems& Items() { return m_items; }
    const ListBoxItems& Items() const { return m_items; }
    const ListKind& Kind() const { return m_kind; }
    const OwnerDrawParent& Parent() const { return m_parent; }

    // |value| is the item's text, or its data in a list without strings. Answer the index.
    LRESULT Add(LPARAM value, const char* message);
    LRESULT Insert(int index, LPARAM value, const char* message);
    // Answers the number of items left.
    LRESULT Delete(int index, const char* message);
    void Reset();

    LRESULT GetText(int index, char* buffer, const char* message) const;
    LRESULT GetTextLength(int index, const char* message) const;
    LRESULT GetData(int index, const char* message) const;
    LRESULT SetData(int index, ULONG_PTR data, const char* message);
    // LB_FINDSTRING and LB_FINDSTRINGEXACT: the index found, or LB_ERR.
    LRESULT Find(int start, LPARAM value, ListMatch match, const char* message) const;

    // The items as the window dump shows them: items=["a", "b"], or the count for a list
    // without strings.
    std::string DescribeItems() const;

    // The answer of a message that names item |index|: false, with the last error set, when
    // there is no such item.
    bool CheckIndex(int index, const char* message) const;

private:
    std::optional<ListItem> MakeItem(LPARAM value, const char* message) const;
    // Where |item| goes in a sorted list; nullopt when the parent destroyed the control meanwhile.
    std::optional<int> SortedPosition(const ListItem& item) const;

    HWND m_control;
    OwnerDrawParent m_parent;
    ListKind m_kind;
    ListBoxItems m_items;
};

}  // namespace winport
