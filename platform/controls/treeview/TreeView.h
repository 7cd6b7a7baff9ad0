// The "SysTreeView32" system class. The program's messages change the items and notify only where
// Windows does (TVM_SELECTITEM and a deletion of the selected item send TVN_SELCHANGING and
// TVN_SELCHANGED with TVC_UNKNOWN; TVM_EXPAND notifies only the first expansion; TVM_DELETEITEM
// sends TVN_DELETEITEM per item, children first). A person's click, double click and keys go
// through the same selection and expansion paths with TVC_BYMOUSE or TVC_BYKEYBOARD.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/TreeViewApi.h"
#include "platform/controls/treeview/TreeViewItems.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class TreeView final : public WindowProcedure, public DescribesState {
public:
    explicit TreeView(HWND hwnd) : m_hwnd(hwnd) {}
    TreeView(const TreeView&) = delete;
    TreeView& operator=(const TreeView&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;

private:
    enum class Actor { Program, Person };

    // Where a visible item lies on its row, in client coordinates (TreeViewLayout.cpp).
    struct RowLayout {
        RECT row;
        LONG buttonLeft;  // The expand button, or the indent when the item shows none.
        LONG stateLeft;
        LONG imageLeft;
        LONG textLeft;
        LONG textRight;
    };

    // The program's messages.
    LRESULT OnInsertItem(const TVINSERTSTRUCTA* insert);
    LRESULT OnDeleteItem(HTREEITEM item);
    LRESULT OnGetItem(TVITEMA* item) const;
    LRESULT OnSetItem(const TVITEMA* item);
    LRESULT OnExpand(UINT action, HTREEITEM item);
    LRESULT OnSelectItem(UINT which, HTREEITEM item);
    LRESULT OnGetNextItem(UINT which, HTREEITEM item) const;
    LRESULT OnSetImageList(WPARAM which, HIMAGELIST list);
    LRESULT OnGetImageList(WPARAM which) const;
    LRESULT OnSortChildren(HTREEITEM parent);
    LRESULT OnEnsureVisible(HTREEITEM item);
    LRESULT OnGetItemState(HTREEITEM item, UINT mask) const;
    LRESULT OnDestroy();
    LRESULT OnSize();

    // A person's input (TreeViewInput.cpp).
    LRESULT OnButtonDown(POINT point);
    LRESULT OnDoubleClick(POINT point);
    LRESULT OnKeyDown(UINT key);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    TreeNode* KeyTarget(UINT key, TreeNode& current);

    // The paths every caller shares; each answers false when the window is gone or it was refused.
    // Opening, closing and scrolling live in TreeViewExpansion.cpp.
    bool Select(HTREEITEM item, UINT cause);
    bool Expand(HTREEITEM item, Actor actor);
    bool Collapse(HTREEITEM item, Actor actor);
    bool Toggle(HTREEITEM item, Actor actor);
    // Deletes |item| and what lies below it, children first, announcing each item.
    bool DeleteSubtree(HTREEITEM item);
    // Expands the item's ancestors and scrolls it into view; true when the view scrolled.
    bool EnsureVisible(HTREEITEM item);
    void SetFirstVisible(TreeNode* item);
    // Sends a simple notification or one carrying items; answers the parent's result, or -1
    // (refusal) when the control did not survive it.
    LRESULT NotifySimple(UINT code);
    LRESULT NotifyItems(UINT code, UINT action, UINT mask, const TreeNode* oldItem,
                        const TreeNode* newItem);
    bool Alive() const;
    TreeNode* Selected() const { return m_items.Find(m_selected); }

    // Layout (TreeViewLayout.cpp).
    int ItemHeight() const;
    int Indent() const;
    int VisibleCount() const;
    int FirstRow() const;
    RowLayout Layout(const TreeNode& node, int row) const;
    TreeNode* HitTest(POINT point, UINT* flags) const;
    LRESULT OnHitTest(TVHITTESTINFO* info) const;
    LRESULT OnGetItemRect(bool textOnly, RECT* rect) const;

    HWND m_hwnd;
    TreeViewItems m_items;
    HTREEITEM m_selected = nullptr;
    HTREEITEM m_firstVisible = nullptr;  // The item on the top row.
    HIMAGELIST m_normalImages = nullptr;
    HIMAGELIST m_stateImages = nullptr;
};

}  // namespace winport
