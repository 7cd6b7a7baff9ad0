// COwnerEmailPane: the owner's own addresses on the Main page: his primary address and up to
// nine more, each published or not. The owner adds, edits, removes and chooses the primary
// address; the record is written when the page is saved, each part only when it changed.
#pragma once

#include "pages/RecordPage.h"
#include "pages/identity/EmailListCtrl.h"

class COwnerEmailPane final : public CRecordPage {
public:
    // The most addresses the owner may have, the primary one included.
    static constexpr int kMaxAddresses = 10;

    // Borrows |data|, the owner's record, which may be null until PageSetData gives one.
    // Made from template IDD_OWNER_EMAIL_PANE as a child of the Main page, which loads it.
    COwnerEmailPane(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent);
    ~COwnerEmailPane() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    int PageCommit() override;
    void PageClear() override;
    int PageValidate() override;
    void PageReload() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<COwnerEmailPane> kRoutes[];

    void Load();
    int Save();
    int Check();
    // Answers the primary record, which stands at the top as a load shows it.
    EmailRecord* MakePrimary(EmailRecord* record);
    void ApplyButtonRule();

    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnSetPrimary();
    void OnListItemChanged(NMHDR*, LRESULT*);

    CEmailListCtrl m_list;
    bool m_primaryChanged = false;
    bool m_additionalChanged = false;
};
