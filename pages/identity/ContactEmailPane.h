// CContactEmailPane: a contact's addresses on the Main page: his primary address, his further
// published addresses and those the owner keeps for him, with the owner's choice of the
// contact's default address. The owner adds, edits and removes his own additions; every change
// is checked and written into the record at once.
#pragma once

#include "pages/RecordPage.h"
#include "pages/identity/EmailListCtrl.h"

class CContactEmailPane final : public CRecordPage {
public:
    // Borrows |data|, the contact's record, which may be null until PageSetData gives one.
    // Made from template IDD_CONTACT_EMAIL_PANE as a child of the Main page.
    CContactEmailPane(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent);
    ~CContactEmailPane() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    int PageCommit() override;
    // The owner's additions are not cleared with the contact's published details.
    void PageClear() override {}
    int PageValidate() override;
    void PageReload() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CContactEmailPane> kRoutes[];

    void Load();
    int Save();
    int Check();
    void MakeDefault(EmailRecord* record);
    void ApplyButtonRule();
    // Marks the pane changed and checks, which saves unless the default is missing.
    void ChangedAndCheck();

    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnSetDefault();
    void OnListItemChanged(NMHDR*, LRESULT*);

    CEmailListCtrl m_list;
    // Loads so far: a load frees the rows a modal dialog may have been opened for.
    unsigned m_loads = 0;
};
