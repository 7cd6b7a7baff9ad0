#include "platform/controls/treeview/TreeView.h"

#include <memory>
#include <string>

#include "platform/controls/ControlSupport.h"
#include "platform/message/MessageApi.h"
#include "platform/text/TextCopy.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

constexpr UINT kSelectionFields = TVIF_TEXT | TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;

LRESULT HandleOf(const TreeNode* node) {
    return node ? reinterpret_cast<LRESULT>(node->handle) : 0;
}

// An item as a notification shows it: every field filled, |mask| saying which ones count. The
// text points into |text|, a copy that stays valid whatever the handler does to the item.
TVITEMA NotifiedFields(const TreeNode& node, UINT mask, std::string& text) {
    text = node.text;
    TVITEMA fields;
    fields.mask = mask;
    fields.hItem = node.handle;
    fields.state = node.state;
    if (mask & TVIF_TEXT) {
        fields.pszText = text.data();
        fields.cchTextMax = static_cast<int>(text.size() + 1);
    }
    fields.iImage = node.image;
    fields.iSelectedImage = node.selectedImage;
    fields.cChildren = node.childCount;
    fields.lParam = node.param;
    return fields;
}

struct Registrar {
    Registrar() {
        RegisterSystemClass(WC_TREEVIEW, [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<TreeView>(hwnd);
        });
    }
} const kRegistrar;

}  // namespace

LRESULT TreeView::HandleMessage(const Message& m) {
    switch (m.id) {
        case TVM_INSERTITEMA:
            return OnInsertItem(reinterpret_cast<const TVINSERTSTRUCTA*>(m.lParam));
        case TVM_DELETEITEM: return OnDeleteItem(reinterpret_cast<HTREEITEM>(m.lParam));
        case TVM_GETITEMA: return OnGetItem(reinterpret_cast<TVITEMA*>(m.lParam));
        case TVM_SETITEMA: return OnSetItem(reinterpret_cast<const TVITEMA*>(m.lParam));
        case TVM_EXPAND:
            return OnExpand(static_cast<UINT>(m.wParam), reinterpret_cast<HTREEITEM>(m.lParam));
        case TVM_SELECTITEM:
            return OnSelectItem(static_cast<UINT>(m.wParam), reinterpret_cast<HTREEITEM>(m.lParam));
        case TVM_GETNEXTITEM:
            return OnGetNextItem(static_cast<UINT>(m.wParam),
                                 reinterpret_cast<HTREEITEM>(m.lParam));
        case TVM_GETCOUNT: return static_cast<LRESULT>(m_items.Count());
        case TVM_SETIMAGELIST:
            return OnSetImageList(m.wParam, reinterpret_cast<HIMAGELIST>(m.lParam));
        case TVM_GETIMAGELIST: return OnGetImageList(m.wParam);
        case TVM_SORTCHILDREN: return OnSortChildren(reinterpret_cast<HTREEITEM>(m.lParam));
        case TVM_ENSUREVISIBLE: return OnEnsureVisible(reinterpret_cast<HTREEITEM>(m.lParam));
        case TVM_GETITEMSTATE:
            return OnGetItemState(reinterpret_cast<HTREEITEM>(m.wParam),
                                  static_cast<UINT>(m.lParam));
        case TVM_GETVISIBLECOUNT: return VisibleCount();
        case TVM_GETITEMHEIGHT: return ItemHeight();
        case TVM_HITTEST: return OnHitTest(reinterpret_cast<TVHITTESTINFO*>(m.lParam));
        case TVM_GETITEMRECT:
            return OnGetItemRect(m.wParam != 0, reinterpret_cast<RECT*>(m.lParam));
        case WM_LBUTTONDOWN: return OnButtonDown(PointFromLParam(m.lParam));
        case WM_LBUTTONDBLCLK: return OnDoubleClick(PointFromLParam(m.lParam));
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam));
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETFOCUS: return OnSetFocus();
        case WM_KILLFOCUS: return OnKillFocus();
        case WM_SIZE: return OnSize();
        case WM_DESTROY: return OnDestroy();
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT TreeView::OnInsertItem(const TVINSERTSTRUCTA* insert) {
    if (!insert) return 0;
    const bool atRoot = !insert->hParent || insert->hParent == TVI_ROOT;
    TreeNode* parent = atRoot ? &m_items.Root() : m_items.Find(insert->hParent);
    if (!parent) return 0;
    TreeNode* top = m_items.Find(m_firstVisible);
    TreeNode& node = m_items.Insert(*parent, insert->hInsertAfter, insert->item);
    // The top row keeps its item, unless the new one went in front of it among its siblings.
    if (!top || (top->parent == parent && TreeViewItems::NextSibling(node) == top &&
                 parent->children.front() == &node)) {
        m_firstVisible = TreeViewItems::IsVisible(node) ? node.handle : m_firstVisible;
    }
    return reinterpret_cast<LRESULT>(node.handle);
}

LRESULT TreeView::OnDeleteItem(HTREEITEM item) {
    if (!item || item == TVI_ROOT) {
        // The selection goes with its item, silently.
        while (!m_items.Root().children.empty()) {
            if (!DeleteSubtree(m_items.Root().children.front()->handle)) break;
        }
        return TRUE;
    }
    TreeNode* node = m_items.Find(item);
    if (!node) return FALSE;
    // When the selection goes, the next sibling takes it, else the parent, else the previous
    // sibling; the top row moves to a neighbour the same way.
    TreeNode* neighbour = TreeViewItems::NextSibling(*node);
    if (!neighbour && node->parent != &m_items.Root()) neighbour = node->parent;
    if (!neighbour) neighbour = TreeViewItems::PreviousSibling(*node);
    const HTREEITEM replacement = neighbour ? neighbour->handle : nullptr;
    const TreeNode* selected = Selected();
    const bool selectionGoes = selected && TreeViewItems::IsWithin(*selected, *node);
    const TreeNode* top = m_items.Find(m_firstVisible);
    if (top && TreeViewItems::IsWithin(*top, *node)) m_firstVisible = replacement;

    if (!DeleteSubtree(item)) return TRUE;
    // As Windows, only if no TVN_DELETEITEM handler has chosen a selection meanwhile.
    if (selectionGoes && !Selected() && m_items.Find(replacement)) {
        if (!Select(replacement, TVC_UNKNOWN)) return TRUE;
    }
    SetFirstVisible(m_items.Find(m_firstVisible));
    return TRUE;
}

bool TreeView::DeleteSubtree(HTREEITEM item) {
    // Handlers may delete, insert or select while an item is announced, so every step starts
    // again from the handle.
    for (;;) {
        TreeNode* node = m_items.Find(item);
        if (!node) return true;
        if (!node->children.empty()) {
            if (!DeleteSubtree(node->children.front()->handle)) return false;
            continue;
        }
        if (!node->announced) {
            node->announced = true;
            NotifyItems(TVN_DELETEITEMA, TVC_UNKNOWN, TVIF_HANDLE | TVIF_PARAM, node, nullptr);
            if (!Alive()) return false;
            continue;
        }
        if (m_selected == item) m_selected = nullptr;
        if (m_firstVisible == item) m_firstVisible = nullptr;
        m_items.Erase(*node);
        return true;
    }
}

LRESULT TreeView::OnGetItem(TVITEMA* item) const {
    if (!item) return FALSE;
    const TreeNode* node = m_items.Find(item->hItem);
    if (!node) return FALSE;
    if (item->mask & TVIF_CHILDREN) item->cChildren = node->childCount;
    if (item->mask & TVIF_IMAGE) item->iImage = node->image;
    if (item->mask & TVIF_SELECTEDIMAGE) item->iSelectedImage = node->selectedImage;
    // As Windows, the state and the item data are filled whatever the mask asks for.
    item->state = node->state;
    item->lParam = node->param;
    if ((item->mask & TVIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        CopyTextToBuffer(node->text, item->pszText, item->cchTextMax);
    }
    return TRUE;
}

LRESULT TreeView::OnSetItem(const TVITEMA* item) {  // Never notifies.
    if (!item) return FALSE;
    TreeNode* node = m_items.Find(item->hItem);
    if (!node) return FALSE;
    TreeViewItems::Assign(*node, *item);
    return TRUE;
}

LRESULT TreeView::OnSelectItem(UINT which, HTREEITEM item) {
    switch (which) {
        case TVGN_CARET:
            if (item && !m_items.Find(item)) return FALSE;
            return Select(item, TVC_UNKNOWN);
        case TVGN_FIRSTVISIBLE:
            if (!m_items.Find(item)) return FALSE;
            EnsureVisible(item);
            if (!Alive()) return FALSE;
            SetFirstVisible(m_items.Find(item));
            return TRUE;
        default: return FALSE;
    }
}

bool TreeView::Select(HTREEITEM item, UINT cause) {
    const TreeNode* previous = Selected();
    const TreeNode* target = m_items.Find(item);
    if (previous == target) return true;
    if (NotifyItems(TVN_SELCHANGINGA, cause, kSelectionFields, previous, target) || !Alive()) {
        return false;
    }
    // The handler may have deleted either item.
    TreeNode* old = Selected();
    TreeNode* chosen = m_items.Find(item);
    if (item && !chosen) return false;
    if (old) old->state &= ~TVIS_SELECTED;
    if (chosen) chosen->state |= TVIS_SELECTED;
    const HTREEITEM oldItem = old ? old->handle : nullptr;
    m_selected = item;
    if (chosen) {
        EnsureVisible(item);
        if (!Alive()) return true;
    }
    NotifyItems(TVN_SELCHANGEDA, cause, kSelectionFields, m_items.Find(oldItem),
                m_items.Find(item));
    return true;
}

LRESULT TreeView::OnGetNextItem(UINT which, HTREEITEM item) const {
    switch (which) {
        case TVGN_ROOT: return HandleOf(m_items.FirstVisible());
        case TVGN_CARET: return HandleOf(Selected());
        case TVGN_FIRSTVISIBLE: return HandleOf(m_items.Find(m_firstVisible));
        case TVGN_LASTVISIBLE: return HandleOf(m_items.LastVisible());
        case TVGN_CHILD:
            if (!item || item == TVI_ROOT) return HandleOf(m_items.FirstVisible());
            break;
        default: break;
    }
    const TreeNode* node = m_items.Find(item);
    if (!node) return 0;
    switch (which) {
        case TVGN_NEXT: return HandleOf(TreeViewItems::NextSibling(*node));
        case TVGN_PREVIOUS: return HandleOf(TreeViewItems::PreviousSibling(*node));
        case TVGN_PARENT: return node->parent == &m_items.Root() ? 0 : HandleOf(node->parent);
        case TVGN_CHILD: return node->children.empty() ? 0 : HandleOf(node->children.front());
        case TVGN_NEXTVISIBLE: return HandleOf(m_items.NextVisible(*node));
        case TVGN_PREVIOUSVISIBLE: return HandleOf(m_items.PreviousVisible(*node));
        default: return 0;
    }
}

LRESULT TreeView::OnSetImageList(WPARAM which, HIMAGELIST list) {
    HIMAGELIST* slot = which == TVSIL_NORMAL  ? &m_normalImages
                       : which == TVSIL_STATE ? &m_stateImages
                                              : nullptr;
    if (!slot) return 0;
    HIMAGELIST previous = *slot;
    *slot = list;
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT TreeView::OnGetImageList(WPARAM which) const {
    if (which == TVSIL_NORMAL) return reinterpret_cast<LRESULT>(m_normalImages);
    if (which == TVSIL_STATE) return reinterpret_cast<LRESULT>(m_stateImages);
    return 0;
}

LRESULT TreeView::OnSortChildren(HTREEITEM parent) {
    // Null and TVI_ROOT sort the top level.
    const bool atRoot = !parent || parent == TVI_ROOT;
    TreeNode* node = atRoot ? &m_items.Root() : m_items.Find(parent);
    if (!node) return FALSE;
    const int top = FirstRow();
    if (!m_items.SortChildren(*node)) return FALSE;
    SetFirstVisible(m_items.AtRow(top));
    return TRUE;
}

LRESULT TreeView::OnGetItemState(HTREEITEM item, UINT mask) const {
    const TreeNode* node = m_items.Find(item);
    return node ? static_cast<LRESULT>(node->state & mask) : 0;
}

LRESULT TreeView::OnDestroy() {
    // The items go with the window, each announced as TVM_DELETEITEM does.
    OnDeleteItem(TVI_ROOT);
    return 0;
}

LRESULT TreeView::NotifySimple(UINT code) {
    NMHDR header;
    return SendNotify(m_hwnd, header, code);
}

LRESULT TreeView::NotifyItems(UINT code, UINT action, UINT mask, const TreeNode* oldItem,
                              const TreeNode* newItem) {
    NMTREEVIEWA notification;
    notification.action = action;
    std::string oldText;
    std::string newText;
    if (oldItem) notification.itemOld = NotifiedFields(*oldItem, mask, oldText);
    if (newItem) notification.itemNew = NotifiedFields(*newItem, mask, newText);
    return SendNotify(m_hwnd, notification.hdr, code);
}

bool TreeView::Alive() const {
    return IsWindow(m_hwnd) != FALSE;
}

}  // namespace winport
