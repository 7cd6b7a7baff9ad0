// Selecting a tree view item as a person does: open each closed branch on the way down with its
// button (or a double click where the tree shows no buttons), scroll the item into view, click it.
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/Agent.h"
#include "platform/controls/TreeViewApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

constexpr std::size_t kMaxItemText = 1024;

HTREEITEM NextItem(HWND tree, UINT relation, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        SendMessage(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::string ItemText(HWND tree, HTREEITEM item) {
    char buffer[kMaxItemText] = {};
    TVITEMA fields;
    fields.mask = TVIF_TEXT;
    fields.hItem = item;
    fields.pszText = buffer;
    fields.cchTextMax = static_cast<int>(sizeof buffer);
    SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields));
    return buffer;
}

// The child of |parent| (null: the top level) whose text is |text|.
HTREEITEM FindChild(HWND tree, HTREEITEM parent, std::string_view text) {
    for (HTREEITEM item = NextItem(tree, TVGN_CHILD, parent); item;
         item = NextItem(tree, TVGN_NEXT, item)) {
        if (ItemText(tree, item) == text) return item;
    }
    return nullptr;
}

bool IsExpanded(HWND tree, HTREEITEM item) {
    return (SendMessage(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
            TVIS_EXPANDED) != 0;
}

// The item's label on screen, scrolled into the window first if need be, as a person scrolls.
std::optional<RECT> VisibleLabel(HWND tree, HTREEITEM item) {
    RECT client;
    GetClientRect(tree, &client);
    for (int attempt = 0; attempt < 2; ++attempt) {
        RECT label;
        std::memcpy(static_cast<void*>(&label), &item, sizeof item);
        if (SendMessage(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label)) &&
            label.top >= 0 && label.bottom <= client.bottom) {
            return label;
        }
        SendMessage(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    }
    return std::nullopt;
}

// The expand button on the item's row, found as a person finds it: left of the label.
std::optional<POINT> ButtonOf(HWND tree, const RECT& label) {
    TVHITTESTINFO hit;
    hit.pt.y = (label.top + label.bottom) / 2;
    for (hit.pt.x = label.left - 1; hit.pt.x >= 0; --hit.pt.x) {
        SendMessage(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.flags & TVHT_ONITEMBUTTON) return hit.pt;
    }
    return std::nullopt;
}

LPARAM PointParam(POINT point) {
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

POINT Centre(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

bool Agent::SelectTreeItem(HWND tree, std::string_view path) {
    if (!CanReach(tree)) return false;
    HTREEITEM item = nullptr;
    std::string walked;
    while (true) {
        const std::size_t slash = path.find('/');
        const std::string_view name = path.substr(0, slash);
        walked += walked.empty() ? std::string(name) : "/" + std::string(name);
        item = FindChild(tree, item, name);
        if (!item) return Fail("no tree item \"" + walked + "\"");
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
        if (IsExpanded(tree, item)) continue;
        const std::optional<RECT> label = VisibleLabel(tree, item);
        if (!label) return Fail("tree item \"" + walked + "\" cannot be shown");
        if (const std::optional<POINT> button = ButtonOf(tree, *label)) {
            PostMessage(tree, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(*button));
            PostMessage(tree, WM_LBUTTONUP, 0, PointParam(*button));
        } else {
            const LPARAM point = PointParam(Centre(*label));
            PostMessage(tree, WM_LBUTTONDOWN, MK_LBUTTON, point);
            PostMessage(tree, WM_LBUTTONUP, 0, point);
            PostMessage(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
            PostMessage(tree, WM_LBUTTONUP, 0, point);
        }
        PumpMessages();
        if (!IsWindow(tree)) return Fail("the tree went away");
        if (!IsExpanded(tree, item)) return Fail("tree item \"" + walked + "\" does not open");
    }
    const std::optional<RECT> label = VisibleLabel(tree, item);
    if (!label) return Fail("tree item \"" + walked + "\" cannot be shown");
    const LPARAM point = PointParam(Centre(*label));
    PostMessage(tree, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessage(tree, WM_LBUTTONUP, 0, point);
    PumpMessages();
    return true;
}

}  // namespace winport
