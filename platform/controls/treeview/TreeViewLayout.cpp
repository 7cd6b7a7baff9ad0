// Where the rows of a tree view lie, what a point hits, and what a person sees of the items.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/treeview/TreeView.h"
#include "platform/gdi/Font.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

constexpr int kMinimumItemHeight = 16;
constexpr int kFontHeightMargin = 3;  // The focus border and a pixel of margin.
constexpr int kMinimumIndent = 19;
constexpr LONG kTextRectMargin = 4;

// The window's font, or the system font without WM_SETFONT or once the font is deleted.
HFONT MeasuringFont(HWND hwnd) {
    const auto font = reinterpret_cast<HFONT>(DefWindowProc(hwnd, WM_GETFONT, 0, 0));
    return GetFontMetrics(font) ? font : nullptr;
}

SIZE ImageSize(HIMAGELIST list) {
    SIZE size;
    int cx = 0;
    int cy = 0;
    if (list && ImageList_GetIconSize(list, &cx, &cy)) size = SIZE{cx, cy};
    return size;
}

}  // namespace

int TreeView::ItemHeight() const {
    const FontMetrics font = GetFontMetrics(MeasuringFont(m_hwnd)).value_or(FontMetrics{});
    int height = std::max<int>(kMinimumItemHeight, font.height + kFontHeightMargin);
    height = std::max<int>(height, ImageSize(m_normalImages).cy);
    return height & ~1;  // Rows have an even height.
}

int TreeView::Indent() const {
    return std::max<int>(kMinimumIndent, ImageSize(m_normalImages).cx);
}

int TreeView::VisibleCount() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    return client.bottom / ItemHeight();
}

int TreeView::FirstRow() const {
    const TreeNode* top = m_items.Find(m_firstVisible);
    return top && TreeViewItems::IsVisible(*top) ? m_items.RowOf(*top) : 0;
}

TreeView::RowLayout TreeView::Layout(const TreeNode& node, int row) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int height = ItemHeight();
    const int indent = Indent();
    const LONG top = (row - FirstRow()) * height;
    // With TVS_LINESATROOT the top level has lines and buttons of its own, one indent wide.
    const DWORD style = WindowStyle(m_hwnd);
    const bool rootLines =
        (style & TVS_LINESATROOT) && (style & (TVS_HASLINES | TVS_HASBUTTONS)) != 0;
    const int level = TreeViewItems::Level(node);
    RowLayout layout;
    layout.row = RECT{0, top, client.right, top + height};
    layout.buttonLeft = indent * (rootLines ? level : level - 1);
    layout.stateLeft = layout.buttonLeft + indent;
    const bool stateImage = (node.state & TVIS_STATEIMAGEMASK) != 0;
    layout.imageLeft = layout.stateLeft + (stateImage ? ImageSize(m_stateImages).cx : 0);
    layout.textLeft = layout.imageLeft + ImageSize(m_normalImages).cx;
    layout.textRight = layout.textLeft + EstimateTextExtent(MeasuringFont(m_hwnd), node.text).cx;
    return layout;
}

TreeNode* TreeView::HitTest(POINT point, UINT* flags) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    UINT outside = 0;
    if (point.x < 0) outside |= TVHT_TOLEFT;
    if (point.x >= client.right) outside |= TVHT_TORIGHT;
    if (point.y < 0) outside |= TVHT_ABOVE;
    if (point.y >= client.bottom) outside |= TVHT_BELOW;
    if (outside) {
        *flags = outside;
        return nullptr;
    }
    const int row = FirstRow() + point.y / ItemHeight();
    TreeNode* node = m_items.AtRow(row);
    if (!node) {
        *flags = TVHT_NOWHERE;
        return nullptr;
    }
    const RowLayout layout = Layout(*node, row);
    if (point.x >= layout.textRight) {
        *flags = TVHT_ONITEMRIGHT;
    } else if (point.x >= layout.textLeft) {
        *flags = TVHT_ONITEMLABEL;
    } else if (point.x >= layout.imageLeft) {
        *flags = TVHT_ONITEMICON;
    } else if (point.x >= layout.stateLeft) {
        *flags = TVHT_ONITEMSTATEICON;
    } else if (point.x >= layout.buttonLeft && (WindowStyle(m_hwnd) & TVS_HASBUTTONS)) {
        *flags = TVHT_ONITEMBUTTON;
    } else {
        *flags = TVHT_ONITEMINDENT;
    }
    return node;
}

LRESULT TreeView::OnHitTest(TVHITTESTINFO* info) const {
    if (!info) return 0;
    const TreeNode* node = HitTest(info->pt, &info->flags);
    info->hItem = node ? node->handle : nullptr;
    return reinterpret_cast<LRESULT>(info->hItem);
}

LRESULT TreeView::OnGetItemRect(bool textOnly, RECT* rect) const {
    // The item's handle comes in the first bytes of the rectangle.
    if (!rect) return FALSE;
    HTREEITEM item = nullptr;
    std::memcpy(&item, rect, sizeof item);
    const TreeNode* node = m_items.Find(item);
    if (!node || !TreeViewItems::IsVisible(*node)) return FALSE;
    const RowLayout layout = Layout(*node, m_items.RowOf(*node));
    *rect = textOnly ? RECT{layout.textLeft, layout.row.top, layout.textRight + kTextRectMargin,
                            layout.row.bottom}
                     : layout.row;
    return TRUE;
}

// The rows a person sees, top to bottom: one '>' per level, '+' or '-' for a closed or open item
// with children, the text, and whether the row is selected or bold.
std::vector<std::string> TreeView::DescribeState(HWND) const {
    std::vector<std::string> rows;
    for (const TreeNode* node = m_items.FirstVisible(); node; node = m_items.NextVisible(*node)) {
        std::string row(static_cast<std::size_t>(TreeViewItems::Level(*node)), '>');
        if (node->childCount != 0) row += node->Expanded() && !node->children.empty() ? "-" : "+";
        row += QuoteText(node->text);
        if (node->handle == m_selected) row += " selected";
        if (node->state & TVIS_BOLD) row += " bold";
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace winport
