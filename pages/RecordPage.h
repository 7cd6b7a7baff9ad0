// CRecordPage: a page of the user details window over one user's record. The window hands every
// page the same record (borrowed: the window keeps it while its pages live) and later another
// one through PageSetData. The page knows whether the owner edits it (his own details) or only
// sees it, and whether it changed since it was last loaded or saved.
#pragma once

#include "hostlib/framework/BCInsideDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"

// The sections of the owner's details, each a bit of "UpdateInfoStatus": a page that writes
// its section clears the bit, and the sections whose bits are clear are uploaded.
enum class UploadSection : unsigned short {
    Identity = 0x04,  // names, primary e-mail address, home address and phones, time zone
    Personal = 0x08,  // home page, gender, age, birth date, languages
    HomepageCategory = 0x10,
    Work = 0x20,
    About = 0x40,
    Interests = 0x80,
    Background = 0x100,  // affiliations and past background
    AdditionalEmails = 0x200,
};

// Clears |section|'s bit of |record|'s "UpdateInfoStatus" and leaves the others.
void MarkForUpload(MCVariantPropertySet& record, UploadSection section);

class CRecordPage : public BCInsideDialog {
public:
    // Borrows |data|, null until the window receives a user. |editable| (the owner's own
    // details) is fixed for the page's life and chooses the page's help context.
    CRecordPage(BCUserInfo* user, UINT templateId, bool editable, MCVariantPropertySet* data,
                CWnd* parent);

    // Code 0: |value| is the record from now on, and the page loads from it.
    void PageSetData(int code, void* value) override;
    // Whether the page holds entries not yet written to the record.
    virtual bool HasUnsavedChanges() const { return m_changed; }

protected:
    const bool m_editable;
    MCVariantPropertySet* m_data;
    bool m_changed = false;
};
