// CEmailListCtrl: a user's e-mail addresses, one EmailRecord a row, with the row's symbol from
// the host's shared image list, and a context menu that copies an address or sends mail to it.
// The list owns its records; a record lives exactly as long as its row.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostlib/controls/BCListCtrl.h"

enum EmailKind : std::int32_t {
    kEmailPrimary = 0,
    kEmailMore = 1,
    kEmailUserDefined = 2,
};

struct EmailRecord {
    std::string address;
    EmailKind kind = kEmailUserDefined;
    // Contact list: the contact's default address. Owner list: the owner's primary address.
    bool chosen = false;
    // Owner list: the address is published. Contact list: always true.
    bool published = true;
    // The element of the record's list key the row was loaded from; -1 for none.
    int element = -1;
};

class CEmailListCtrl final : public BCListCtrl {
public:
    // Which flag a row's symbol shows: the contact's default or the owner's published address.
    enum class Mode { Contact, Owner };

    // The columns' texts ("Kind" and "Email"); any other column is empty.
    static std::string CellText(const EmailRecord& record, int column);

    // Stores the mode, takes the host's image list and adds the three columns.
    void SetUp(Mode mode);
    // Inserts a row holding a copy of |record| at |row| (-1: at the end); answers the list's
    // copy (null if no row was made).
    EmailRecord* AddRecord(const EmailRecord& record, int row = -1);
    // Redraws the row of |record|; nothing when no row holds it.
    void UpdateRecord(const EmailRecord* record);
    // Deletes the row of |record| (and the record); answers the row it was, or -1.
    int RemoveRecord(const EmailRecord* record);
    void RemoveAll();
    int GetRecordCount() const;
    EmailRecord* RecordAt(int row) const;
    EmailRecord* SelectedRecord() const;
    // Selects the row of |record| and gives it the focus mark.
    void SelectRecord(const EmailRecord* record);
    // The row of the first record of |kind|, or -1.
    int FirstRowOf(EmailKind kind) const;
    // The first record whose chosen flag is set.
    EmailRecord* ChosenRecord() const;
    // The first record of |kind| holding exactly |address|.
    EmailRecord* FindRecord(const std::string& address, EmailKind kind) const;
    // Some row already holds exactly |address|.
    bool HasAddress(const std::string& address) const;

    // The list's notifications reach its parent; the parent hands them here first, and the
    // list takes those about deleted rows (freeing their records).
    std::optional<LRESULT> ReflectNotify(const winport::Message& m);

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CEmailListCtrl> kRoutes[];

    int RowOf(const EmailRecord* record) const;
    int ImageOf(const EmailRecord& record) const;
    std::optional<LRESULT> OnContextMenu(const winport::Message& m);
    std::optional<LRESULT> OnSetFocus(const winport::Message& m);
    void OnCopyAddress();
    void OnSendEmail();

    Mode m_mode = Mode::Contact;
    std::vector<std::unique_ptr<EmailRecord>> m_records;
};
