#include "pages/identity/ContactEmailDialog.h"

#include "platform/mfc/DataExchange.h"
#include "res/ResourceIds.h"

CContactEmailDialog::CContactEmailDialog(BCUserInfo* user,
                                         const std::optional<std::string>& address, bool isDefault,
                                         CWnd* parent)
    : CEmailAddressDialog(user, IDD_CONTACT_EMAIL_DIALOG, IDC_CONTACT_EMAIL_ADDRESS,
                          IDB_DEFAULT_ADDRESS, address, parent),
      m_default(isDefault ? 1 : 0) {}

void CContactEmailDialog::DoDataExchange(CDataExchange* dx) {
    CEmailAddressDialog::DoDataExchange(dx);
    DDX_Check(dx, IDC_CONTACT_EMAIL_IS_DEFAULT, m_default);
}

void CContactEmailDialog::OnOK() {
    // The address is kept as typed, blanks included.
    if (!UpdateData(TRUE) || !CheckAddress()) return;
    CloseWithOK();
}
