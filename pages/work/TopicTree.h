// A tree view of topics, by its handle (not owned): each item shows a topic's name and carries
// its code as item data; the chosen topic is shown bold. Each call sends one message.
#pragma once

#include <optional>
#include <string>

#include "platform/controls/TreeViewApi.h"

class CTopicTree {
public:
    explicit CTopicTree(HWND tree) : m_tree(tree) {}

    void DeleteAllItems() const;
    bool HasItems() const;
    // Inserts a topic under |parent| (TVI_ROOT at the top), sorted among its siblings.
    HTREEITEM InsertSorted(HTREEITEM parent, const std::string& name, LONG code) const;
    // The code |item| carries; nothing for an item the tree does not hold.
    std::optional<LONG> CodeOf(HTREEITEM item) const;
    void SetBold(HTREEITEM item, bool bold) const;
    void Select(HTREEITEM item) const;
    // Scrolls |item| to the top row.
    void ScrollToTop(HTREEITEM item) const;

private:
    HWND m_tree;
};
