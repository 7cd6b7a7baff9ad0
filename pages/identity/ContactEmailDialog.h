// CContactEmailDialog: an address the owner keeps for a contact, and whether it is to be the
// contact's default address. An empty address passes; the pane then adds or changes nothing.
#pragma once

#include <optional>
#include <string>

#include "pages/identity/EmailAddressDialog.h"

class CContactEmailDialog final : public CEmailAddressDialog {
public:
    // Edit mode when |address| is given; |isDefault| ticks the default box at the start.
    CContactEmailDialog(BCUserInfo* user, const std::optional<std::string>& address, bool isDefault,
                        CWnd* parent);

    // The default box as the dialog ended.
    bool IsDefault() const { return m_default != 0; }

    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

private:
    int m_default;
};
