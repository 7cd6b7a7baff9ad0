// COwnerEmailDialog: one of the owner's own addresses and whether it is published. Its OK
// trims the address and guards the product's own mail service: an address there is taken only
// after a warning the owner may turn off, and an owner with a number above 100000 may not use
// an address carrying the product's or the maker's name.
#pragma once

#include <optional>
#include <string>

#include "hostlib/property/MCVariantPropertySet.h"
#include "pages/identity/EmailAddressDialog.h"

class COwnerEmailDialog final : public CEmailAddressDialog {
public:
    // Borrows |data|, the owner's record, for the run. Edit mode when |address| is given;
    // an unpublished address starts with the box "Don't publish" ticked.
    COwnerEmailDialog(BCUserInfo* user, MCVariantPropertySet* data,
                      const std::optional<std::string>& address, bool published, CWnd* parent);

    // True when "Don't publish" was clear as the dialog ended.
    bool IsPublished() const { return m_dontPublish == 0; }

    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

private:
    // Whether the mail-domain and name rules let the owner keep the address.
    bool PassesMailDomainGuard();
    bool ConfirmMailServiceAddress(MCVariantPropertySet& record);

    MCVariantPropertySet* m_data;
    int m_dontPublish;
};
