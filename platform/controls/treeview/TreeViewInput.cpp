// What a person does to a tree view: clicks, double clicks, keys and the focus.
#include "platform/controls/ControlSupport.h"
#include "platform/controls/treeview/TreeView.h"
#include "platform/dialog/DialogApi.h"
#include "platform/window/WindowApi.h"

namespace winport {

LRESULT TreeView::OnButtonDown(POINT point) {
    if (!AcceptsMouse(m_hwnd)) return 0;
    UINT flags = 0;
    const TreeNode* hit = HitTest(point, &flags);
    const HTREEITEM item = hit ? hit->handle : nullptr;
    // NM_CLICK comes first; a nonzero answer keeps the click from selecting or toggling.
    if (NotifySimple(NM_CLICK) == 0 && Alive() && item) {
        if (flags & TVHT_ONITEMBUTTON) {
            Toggle(item, Actor::Person);
        } else if (flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL)) {
            Select(item, TVC_BYMOUSE);
        }
    }
    // The tree takes the focus once the click is done.
    if (Alive()) SetFocus(m_hwnd);
    return 0;
}

LRESULT TreeView::OnDoubleClick(POINT point) {
    if (!AcceptsMouse(m_hwnd)) return 0;
    SetFocus(m_hwnd);
    if (!Alive()) return 0;
    UINT flags = 0;
    const TreeNode* hit = HitTest(point, &flags);
    if (!hit) return 0;
    const HTREEITEM item = hit->handle;
    // Unless the parent handles NM_DBLCLK, a double click opens or closes the item.
    if (NotifySimple(NM_DBLCLK) != 0 || !Alive()) return 0;
    constexpr UINT kToggles =
        TVHT_ONITEMLABEL | TVHT_ONITEMICON | TVHT_ONITEMBUTTON | TVHT_ONITEMSTATEICON;
    if (flags & kToggles) Toggle(item, Actor::Person);
    return 0;
}

LRESULT TreeView::OnKeyDown(UINT key) {
    NMTVKEYDOWN notification;
    notification.wVKey = static_cast<WORD>(key);
    SendNotify(m_hwnd, notification.hdr, TVN_KEYDOWN);
    if (!Alive()) return 0;
    TreeNode* current = Selected();
    // With Ctrl held the arrows scroll the view and leave the selection alone.
    if (!current || GetKeyState(VK_CONTROL) < 0) return 0;
    const TreeNode* target = KeyTarget(key, *current);
    if (target && target != current) Select(target->handle, TVC_BYKEYBOARD);
    return 0;
}

// The item a key moves the selection to; null when the key opens, closes or does nothing.
TreeNode* TreeView::KeyTarget(UINT key, TreeNode& current) {
    TreeNode* parent = current.parent == &m_items.Root() ? nullptr : current.parent;
    switch (key) {
        case VK_UP: {
            TreeNode* previous = m_items.PreviousVisible(current);
            return previous ? previous : m_items.FirstVisible();
        }
        case VK_DOWN: return m_items.NextVisible(current);
        case VK_HOME: return m_items.FirstVisible();
        case VK_END: return m_items.LastVisible();
        case VK_BACK: return parent;
        case VK_LEFT:
            // Closes an open item, else goes up to the parent.
            if (current.Expanded()) {
                Collapse(current.handle, Actor::Person);
                return nullptr;
            }
            return parent;
        case VK_RIGHT:
            // Opens a closed item, else goes down to its first child.
            if (current.childCount == 0) return nullptr;
            if (!current.Expanded()) {
                Expand(current.handle, Actor::Person);
                return nullptr;
            }
            return current.children.empty() ? nullptr : current.children.front();
        case VK_RETURN: NotifySimple(NM_RETURN); return nullptr;
        default: return nullptr;
    }
}

LRESULT TreeView::OnSetFocus() {
    // A tree without a selection selects its top row when it gets the focus.
    if (!Selected()) {
        const TreeNode* top = m_items.Find(m_firstVisible);
        if (!top) top = m_items.FirstVisible();
        if (top) {
            Select(top->handle, TVC_UNKNOWN);
            if (!Alive()) return 0;
        }
    }
    NotifySimple(NM_SETFOCUS);
    return 0;
}

LRESULT TreeView::OnKillFocus() {
    NotifySimple(NM_KILLFOCUS);
    return 0;
}

}  // namespace winport
