// The items of one tree view: the hierarchy, sibling order and the handle of each item. Handles
// are numbers never reused in the process, so a deleted item's handle, another tree's or an
// invented one finds nothing.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/controls/TreeViewApi.h"

namespace winport {

struct TreeNode {
    HTREEITEM handle = nullptr;
    TreeNode* parent = nullptr;  // The hidden root for a top-level item; null for the root.
    std::vector<TreeNode*> children;
    std::string text;
    int image = 0;
    int selectedImage = 0;
    int childCount = 0;          // cChildren: whether the item shows a button.
    bool childCountSet = false;  // The program set cChildren; deleting children keeps it.
    bool announced = false;      // TVN_DELETEITEM has been sent; the item is going.
    UINT state = 0;
    LPARAM param = 0;

    bool Expanded() const { return (state & TVIS_EXPANDED) != 0; }
};

class TreeViewItems {
public:
    TreeViewItems();
    TreeViewItems(const TreeViewItems&) = delete;
    TreeViewItems& operator=(const TreeViewItems&) = delete;

    // The item behind |handle|, or null (also for TVI_ROOT and null).
    TreeNode* Find(HTREEITEM handle) const;
    TreeNode& Root() { return m_root; }
    const TreeNode& Root() const { return m_root; }
    std::size_t Count() const { return m_nodes.size(); }

    // Links a new item under |parent| at |after| (TVI_FIRST, TVI_LAST, TVI_SORT or a child of
    // |parent|; any other value means TVI_LAST, as Windows takes it).
    TreeNode& Insert(TreeNode& parent, HTREEITEM after, const TVITEMA& fields);
    // Applies the fields |fields.mask| names.
    static void Assign(TreeNode& node, const TVITEMA& fields);
    // Unlinks and frees an item that has no children left.
    void Erase(TreeNode& node);
    // Orders the children of |parent| by text, ignoring case; false with fewer than two.
    bool SortChildren(TreeNode& parent);

    static TreeNode* NextSibling(const TreeNode& node);
    static TreeNode* PreviousSibling(const TreeNode& node);
    static bool IsWithin(const TreeNode& node, const TreeNode& ancestor);
    // Depth below the root: 0 for a top-level item.
    static int Level(const TreeNode& node);
    // Whether every ancestor is expanded, so the item has a row.
    static bool IsVisible(const TreeNode& node);

    // The rows a person sees, top to bottom: each item whose ancestors are all expanded.
    TreeNode* FirstVisible() const;
    TreeNode* NextVisible(const TreeNode& node) const;
    TreeNode* PreviousVisible(const TreeNode& node) const;
    TreeNode* LastVisible() const;
    // The row of a visible item, counted from the first item; -1 for a hidden one.
    int RowOf(const TreeNode& node) const;
    TreeNode* AtRow(int row) const;
    int RowCount() const;

private:
    TreeNode m_root;
    std::unordered_map<HTREEITEM, std::unique_ptr<TreeNode>> m_nodes;
};

}  // namespace winport
