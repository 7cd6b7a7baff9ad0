// Opening and closing items, and scrolling them into view.
#include <algorithm>
#include <vector>

#include "platform/controls/treeview/TreeView.h"

namespace winport {
namespace {

constexpr UINT kExpansionFields =
    TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;

}  // namespace

LRESULT TreeView::OnExpand(UINT action, HTREEITEM item) {
    if (!m_items.Find(item)) return FALSE;
    switch (action & TVE_TOGGLE) {
        case TVE_COLLAPSE: return Collapse(item, Actor::Program);
        case TVE_EXPAND: return Expand(item, Actor::Program);
        case TVE_TOGGLE: return Toggle(item, Actor::Program);
        default: return FALSE;
    }
}

bool TreeView::Expand(HTREEITEM item, Actor actor) {
    TreeNode* node = m_items.Find(item);
    if (!node || node->childCount == 0) return false;
    // The program's TVM_EXPAND notifies only until the item has been expanded once.
    const bool notify = actor == Actor::Person || !(node->state & TVIS_EXPANDEDONCE);
    if (notify) {
        const LRESULT refused =
            NotifyItems(TVN_ITEMEXPANDINGA, TVE_EXPAND, kExpansionFields, nullptr, node);
        if (refused || !Alive()) return false;
        // The handler may have filled the item's children, or deleted it.
        node = m_items.Find(item);
        if (!node) return false;
    }
    if (node->children.empty()) return false;
    node->state |= TVIS_EXPANDED;
    if (notify) {
        NotifyItems(TVN_ITEMEXPANDEDA, TVE_EXPAND, kExpansionFields, nullptr, node);
        if (!Alive()) return false;
        if ((node = m_items.Find(item))) node->state |= TVIS_EXPANDEDONCE;
    }
    return true;
}

bool TreeView::Collapse(HTREEITEM item, Actor actor) {
    TreeNode* node = m_items.Find(item);
    if (!node || node->childCount == 0) return false;
    // The program's collapse never notifies.
    if (actor == Actor::Person) {
        const LRESULT refused =
            NotifyItems(TVN_ITEMEXPANDINGA, TVE_COLLAPSE, kExpansionFields, nullptr, node);
        if (refused || !Alive()) return false;
        node = m_items.Find(item);
        if (!node) return false;
    }
    if (node->children.empty() || !node->Expanded()) return false;
    node->state &= ~TVIS_EXPANDED;
    // A selection inside the closed branch moves up to the item, without notifications.
    if (TreeNode* selected = Selected(); selected && TreeViewItems::IsWithin(*selected, *node)) {
        selected->state &= ~TVIS_SELECTED;
        node->state |= TVIS_SELECTED;
        m_selected = item;
    }
    if (TreeNode* top = m_items.Find(m_firstVisible); top && TreeViewItems::IsWithin(*top, *node)) {
        m_firstVisible = item;
    }
    SetFirstVisible(m_items.Find(m_firstVisible));
    if (actor == Actor::Person) {
        NotifyItems(TVN_ITEMEXPANDEDA, TVE_COLLAPSE, kExpansionFields, nullptr, node);
    }
    return Alive();
}

bool TreeView::Toggle(HTREEITEM item, Actor actor) {
    const TreeNode* node = m_items.Find(item);
    if (!node) return false;
    return node->Expanded() ? Collapse(item, actor) : Expand(item, actor);
}

LRESULT TreeView::OnEnsureVisible(HTREEITEM item) {
    if (!m_items.Find(item)) return FALSE;
    return EnsureVisible(item) ? TRUE : FALSE;
}

bool TreeView::EnsureVisible(HTREEITEM item) {
    const TreeNode* node = m_items.Find(item);
    if (!node) return false;
    // Closed ancestors open, nearest first, as a person would open them.
    std::vector<HTREEITEM> ancestors;
    for (const TreeNode* up = node->parent; up != &m_items.Root(); up = up->parent) {
        ancestors.push_back(up->handle);
    }
    for (const HTREEITEM ancestor : ancestors) {
        const TreeNode* closed = m_items.Find(ancestor);
        if (!closed || closed->Expanded()) continue;
        Expand(ancestor, Actor::Person);
        if (!Alive()) return false;
    }
    node = m_items.Find(item);
    if (!node || !TreeViewItems::IsVisible(*node)) return false;
    const int row = m_items.RowOf(*node);
    const int first = FirstRow();
    const int count = VisibleCount();
    TreeNode* top = nullptr;
    if (row < first || !m_items.Find(m_firstVisible)) {
        top = m_items.AtRow(row);
    } else if (count > 0 && row >= first + count) {
        top = m_items.AtRow(row - count + 1);
    }
    if (!top || top->handle == m_firstVisible) return false;
    SetFirstVisible(top);
    return true;
}

void TreeView::SetFirstVisible(TreeNode* item) {
    if (item && !TreeViewItems::IsVisible(*item)) item = nullptr;
    if (!item) item = m_items.FirstVisible();
    if (item) {
        // No empty rows at the bottom while items above could fill them.
        const int row = m_items.RowOf(*item);
        const int gap = VisibleCount() - (m_items.RowCount() - row);
        if (gap > 0) item = m_items.AtRow(std::max(0, row - gap));
    }
    m_firstVisible = item ? item->handle : nullptr;
}

LRESULT TreeView::OnSize() {
    // A taller window shows rows from further up rather than empty rows at the bottom.
    SetFirstVisible(m_items.Find(m_firstVisible));
    return 0;
}

}  // namespace winport
