#include "platform/controls/treeview/TreeViewItems.h"

#include <algorithm>
#include <atomic>
#include <string_view>

#include "platform/text/Utf8.h"

namespace winport {
namespace {

// Handles start well above small integers a program might invent and step by 16, so they never
// meet the TVI_ constants at the top of the address space.
std::atomic<ULONG_PTR> g_nextHandle{0x10000};

HTREEITEM NewHandle() {
    return reinterpret_cast<HTREEITEM>(g_nextHandle.fetch_add(16));
}

// The lower-case partner of the capital letters of the Latin, Greek and Cyrillic alphabets.
char32_t Fold(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c >= 0x391 && c <= 0x3A9) return c + 0x20;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

enum class CaseOrder { Ignore, LowerFirst };

// Compares as the word sort does for these alphabets: letters first by their folded value; with
// CaseOrder::LowerFirst, texts equal but for case put the lower-case letter first.
int CompareText(std::string_view a, std::string_view b, CaseOrder order) {
    int caseDifference = 0;
    while (!a.empty() && !b.empty()) {
        const Utf8Decoded x = DecodeUtf8(a);
        const Utf8Decoded y = DecodeUtf8(b);
        const char32_t fx = Fold(x.codePoint);
        const char32_t fy = Fold(y.codePoint);
        if (fx != fy) return fx < fy ? -1 : 1;
        if (caseDifference == 0 && x.codePoint != y.codePoint) {
            caseDifference = x.codePoint == fx ? -1 : 1;
        }
        a.remove_prefix(x.length);
        b.remove_prefix(y.length);
    }
    if (!a.empty() || !b.empty()) return a.empty() ? -1 : 1;
    return order == CaseOrder::LowerFirst ? caseDifference : 0;
}

std::size_t IndexOf(const TreeNode& node) {
    const auto& siblings = node.parent->children;
    return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), &node) -
                                    siblings.begin());
}

}  // namespace

TreeViewItems::TreeViewItems() {
    m_root.state = TVIS_EXPANDED;
}

TreeNode* TreeViewItems::Find(HTREEITEM handle) const {
    const auto found = m_nodes.find(handle);
    return found == m_nodes.end() ? nullptr : found->second.get();
}

TreeNode& TreeViewItems::Insert(TreeNode& parent, HTREEITEM after, const TVITEMA& fields) {
    auto owned = std::make_unique<TreeNode>();
    TreeNode& node = *owned;
    node.handle = NewHandle();
    node.parent = &parent;
    Assign(node, fields);
    auto& siblings = parent.children;
    auto position = siblings.end();
    if (after == TVI_FIRST) {
        position = siblings.begin();
    } else if (after == TVI_SORT) {
        // Before the first sibling that sorts after it; equal texts keep their insertion order.
        position = std::find_if(siblings.begin(), siblings.end(), [&node](const TreeNode* other) {
            return CompareText(node.text, other->text, CaseOrder::LowerFirst) < 0;
        });
    } else if (const TreeNode* previous = Find(after); previous && previous->parent == &parent) {
        position = std::find(siblings.begin(), siblings.end(), previous) + 1;
    }
    siblings.insert(position, &node);
    if (parent.childCount == 0) parent.childCount = 1;
    m_nodes.emplace(node.handle, std::move(owned));
    return node;
}

void TreeViewItems::Assign(TreeNode& node, const TVITEMA& fields) {
    if (fields.mask & TVIF_TEXT) node.text = fields.pszText ? fields.pszText : "";
    if (fields.mask & TVIF_IMAGE) node.image = fields.iImage;
    if (fields.mask & TVIF_SELECTEDIMAGE) node.selectedImage = fields.iSelectedImage;
    if (fields.mask & TVIF_PARAM) node.param = fields.lParam;
    if (fields.mask & TVIF_CHILDREN) {
        node.childCount = fields.cChildren;
        node.childCountSet = true;
    }
    if (fields.mask & TVIF_STATE) {
        node.state = (node.state & ~fields.stateMask) | (fields.state & fields.stateMask);
    }
}

void TreeViewItems::Erase(TreeNode& node) {
    TreeNode& parent = *node.parent;
    std::erase(parent.children, &node);
    if (parent.children.empty() && !parent.childCountSet && parent.childCount > 0) {
        parent.childCount = 0;
    }
    m_nodes.erase(node.handle);
}

bool TreeViewItems::SortChildren(TreeNode& parent) {
    if (parent.children.size() < 2) return false;
    std::stable_sort(parent.children.begin(), parent.children.end(),
                     [](const TreeNode* a, const TreeNode* b) {
                         return CompareText(a->text, b->text, CaseOrder::Ignore) < 0;
                     });
    return true;
}

TreeNode* TreeViewItems::NextSibling(const TreeNode& node) {
    if (!node.parent) return nullptr;
    const std::size_t index = IndexOf(node) + 1;
    return index < node.parent->children.size() ? node.parent->children[index] : nullptr;
}

TreeNode* TreeViewItems::PreviousSibling(const TreeNode& node) {
    if (!node.parent) return nullptr;
    const std::size_t index = IndexOf(node);
    return index > 0 ? node.parent->children[index - 1] : nullptr;
}

bool TreeViewItems::IsWithin(const TreeNode& node, const TreeNode& ancestor) {
    for (const TreeNode* up = &node; up; up = up->parent) {
        if (up == &ancestor) return true;
    }
    return false;
}

int TreeViewItems::Level(const TreeNode& node) {
    int level = -1;
    for (const TreeNode* up = node.parent; up; up = up->parent) ++level;
    return level;
}

bool TreeViewItems::IsVisible(const TreeNode& node) {
    for (const TreeNode* up = node.parent; up; up = up->parent) {
        if (!up->Expanded()) return false;
    }
    return true;
}

TreeNode* TreeViewItems::FirstVisible() const {
    return m_root.children.empty() ? nullptr : m_root.children.front();
}

TreeNode* TreeViewItems::NextVisible(const TreeNode& node) const {
    if (node.Expanded() && !node.children.empty()) return node.children.front();
    for (const TreeNode* up = &node; up && up != &m_root; up = up->parent) {
        if (TreeNode* next = NextSibling(*up)) return next;
    }
    return nullptr;
}

TreeNode* TreeViewItems::PreviousVisible(const TreeNode& node) const {
    TreeNode* previous = PreviousSibling(node);
    if (!previous) return node.parent == &m_root ? nullptr : node.parent;
    while (previous->Expanded() && !previous->children.empty()) {
        previous = previous->children.back();
    }
    return previous;
}

TreeNode* TreeViewItems::LastVisible() const {
    TreeNode* last = m_root.children.empty() ? nullptr : m_root.children.back();
    while (last && last->Expanded() && !last->children.empty()) last = last->children.back();
    return last;
}

int TreeViewItems::RowOf(const TreeNode& node) const {
    int row = 0;
    for (const TreeNode* item = FirstVisible(); item; item = NextVisible(*item), ++row) {
        if (item == &node) return row;
    }
    return -1;
}

TreeNode* TreeViewItems::AtRow(int row) const {
    if (row < 0) return nullptr;
    TreeNode* item = FirstVisible();
    for (; item && row > 0; --row) item = NextVisible(*item);
    return item;
}

int TreeViewItems::RowCount() const {
    int rows = 0;
    for (const TreeNode* item = FirstVisible(); item; item = NextVisible(*item)) ++rows;
    return rows;
}

}  // namespace winport
