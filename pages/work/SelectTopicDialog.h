// CSelectTopicDialog: the "Select Interest Category" dialog, every topic of the host's "topic"
// list in one tree, in which the owner chooses the category of his home page. Only a topic of
// level 3 or more can be chosen; "Select None" chooses none (code 0). Run modally; after OK the
// caller takes the chosen code.
#pragma once

#include <unordered_map>

#include "hostlib/framework/BCTaskDialog.h"
#include "pages/work/TopicList.h"
#include "pages/work/TopicTree.h"

class CSelectTopicDialog final : public BCTaskDialog {
public:
    // |code| is the category chosen so far, 0 for none.
    CSelectTopicDialog(BCUserInfo* user, int code, CWnd* parent);

    int GetCode() const { return m_code; }

    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CSelectTopicDialog> kRoutes[];

    CTopicTree Tree() const;
    void FillTree();
    using RowItems = std::unordered_map<LONG, HTREEITEM>;
    // The item that row |row| of level |level| hangs under: the root for a top topic, else the
    // item of its nearest ancestor that has one, or the root when none has.
    HTREEITEM ParentItem(LONG row, LONG level, const RowItems& items) const;
    // Shows |item| bold as the chosen topic, instead of the one chosen before.
    void Choose(HTREEITEM item);

    void OnTopicSelected(NMHDR* header, LRESULT* result);
    void OnSelectNone();

    CTopicList m_topics;
    int m_code;
    HTREEITEM m_chosen = nullptr;
};
