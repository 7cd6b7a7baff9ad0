// CAboutPage: the "Info/About" tab of the user details window: the user's own text about
// himself, published with his details (the owner edits his; a contact's is shown read-only),
// and in a contact's window the owner's private notes about him, kept in the owner's local
// record and written as soon as he leaves them.
#pragma once

#include <string>

#include "pages/RecordPage.h"

class CAboutPage final : public CRecordPage {
public:
    // |notesAllowed| shows the notes; the window gives it to contacts' pages.
    CAboutPage(BCUserInfo* user, bool editable, MCVariantPropertySet* data, bool notesAllowed,
               CWnd* parent);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    // Writes the texts as the last change or validation copied them.
    int PageCommit() override;
    void PageClear() override;
    int PageValidate() override;
    void PageReload() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CAboutPage> kRoutes[];

    // Without notes the text takes their place and the explanation stands above it.
    void LayOutWithoutNotes();
    RECT ItemRect(int id) const;
    void OnChanged();
    void OnNotesLeft();

    bool m_notesAllowed;
    std::string m_about;
    std::string m_notes;
};
