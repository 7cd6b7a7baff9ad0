#include "pages/work/TopicTree.h"

#include "platform/message/MessageApi.h"

void CTopicTree::DeleteAllItems() const {
    ::SendMessage(m_tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

bool CTopicTree::HasItems() const {
    return ::SendMessage(m_tree, TVM_GETCOUNT, 0, 0) > 0;
}

HTREEITEM CTopicTree::InsertSorted(HTREEITEM parent, const std::string& name, LONG code) const {
    TVINSERTSTRUCT insert;
    insert.hParent = parent;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(name.c_str());
    insert.item.lParam = code;
    return reinterpret_cast<HTREEITEM>(
        ::SendMessage(m_tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::optional<LONG> CTopicTree::CodeOf(HTREEITEM item) const {
    TVITEM fields;
    fields.mask = TVIF_PARAM;
    fields.hItem = item;
    if (!item || !::SendMessage(m_tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&fields)))
        return std::nullopt;
    return static_cast<LONG>(fields.lParam);
}

void CTopicTree::SetBold(HTREEITEM item, bool bold) const {
    TVITEM fields;
    fields.mask = TVIF_STATE;
    fields.hItem = item;
    fields.state = bold ? TVIS_BOLD : 0;
    fields.stateMask = TVIS_BOLD;
    ::SendMessage(m_tree, TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&fields));
}

void CTopicTree::Select(HTREEITEM item) const {
    ::SendMessage(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

void CTopicTree::ScrollToTop(HTREEITEM item) const {
    ::SendMessage(m_tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(item));
}
