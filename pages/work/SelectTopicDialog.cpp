#include "pages/work/SelectTopicDialog.h"

#include <algorithm>
#include <cctype>

#include "platform/dialog/DialogApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

// The lowest level whose topics can be chosen; those above only group them.
constexpr LONG kChoosableLevel = 3;

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    return std::ranges::equal(a, b, {}, lower, lower);
}

}  // namespace

const winport::Route<CSelectTopicDialog> CSelectTopicDialog::kRoutes[] = {
    {WM_NOTIFY, TVN_SELCHANGED, IDC_TOPIC_TREE, &CSelectTopicDialog::OnTopicSelected},
    {WM_COMMAND, BN_CLICKED, IDC_TOPIC_NONE, &CSelectTopicDialog::OnSelectNone},
};

CSelectTopicDialog::CSelectTopicDialog(BCUserInfo* user, int code, CWnd* parent)
    : BCTaskDialog(user, IDD_SELECT_TOPIC, nullptr, nullptr, 0, parent), m_code(code) {}

BOOL CSelectTopicDialog::OnInitDialog() {
    BCTaskDialog::OnInitDialog();
    m_topics = CTopicList::Open();
    FillTree();
    return TRUE;
}

CTopicTree CSelectTopicDialog::Tree() const {
    return CTopicTree(::GetDlgItem(m_hWnd, IDC_TOPIC_TREE));
}

void CSelectTopicDialog::FillTree() {
    const CTopicTree tree = Tree();
    tree.DeleteAllItems();
    RowItems items;
    for (LONG row = 0; row < m_topics.Count(); ++row) {
        const std::optional<LONG> code = m_topics.Code(row);
        const std::optional<LONG> level = m_topics.Level(row);
        const std::optional<LONG> parent = m_topics.Parent(row);
        const std::optional<std::string> name = m_topics.Name(row);
        if (!code || !level || !parent || !name) continue;
        // A section named as its top topic is that topic: its subjects hang under the top one.
        if (*level == 1) {
            const std::optional<std::string> parentName = m_topics.Name(*parent);
            if (parentName && EqualIgnoringCase(*name, *parentName)) continue;
        }
        const HTREEITEM item = tree.InsertSorted(ParentItem(row, *level, items), *name, *code);
        if (!item) continue;
        items[row] = item;
        if (*code != m_code) continue;
        tree.Select(item);
        tree.ScrollToTop(item);
        Choose(item);
    }
}

HTREEITEM CSelectTopicDialog::ParentItem(LONG row, LONG level, const RowItems& items) const {
    if (level <= 0) return TVI_ROOT;
    for (const LONG ancestor : m_topics.Ancestors(row)) {
        if (const auto found = items.find(ancestor); found != items.end()) return found->second;
    }
    return TVI_ROOT;
}

void CSelectTopicDialog::Choose(HTREEITEM item) {
    const CTopicTree tree = Tree();
    if (m_chosen && m_chosen != item) tree.SetBold(m_chosen, false);
    m_chosen = item;
    if (item) tree.SetBold(item, true);
}

void CSelectTopicDialog::OnTopicSelected(NMHDR* header, LRESULT* result) {
    *result = 0;
    const HTREEITEM item = reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem;
    const std::optional<LONG> code = Tree().CodeOf(item);
    if (!code) return;
    const std::optional<LONG> row = m_topics.RowOf(*code);
    const std::optional<LONG> level = row ? m_topics.Level(*row) : std::nullopt;
    if (!level || *level < kChoosableLevel) return;
    Choose(item);
    m_code = *code;
}

void CSelectTopicDialog::OnSelectNone() {
    Choose(nullptr);
    m_code = 0;
    OnOK();
}

std::optional<LRESULT> CSelectTopicDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTaskDialog::OnMessage(m);
}
