#include "pages/identity/OwnerEmailDialog.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "hostlib/framework/BCWarningDialog.h"
#include "hostlib/util/HostStrings.h"
#include "module/HostNumbers.h"
#include "module/TextBlanks.h"
#include "module/host/HostStringIds.h"
#include "platform/mfc/DataExchange.h"
#include "platform/shell/MessageBox.h"
#include "res/ResourceIds.h"

namespace {

// Owners numbered up to this one may use any name in their addresses.
constexpr unsigned int kNameRuleFromNumber = 100000;
// The product's and the maker's names, as they appear in an address (case-sensitive).
constexpr std::string_view kReservedNames[] = {"nuv", "brightelm"};

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// From the first at sign to the end, at sign included; the whole address without one.
std::string DomainPart(const std::string& address) {
    const size_t at = address.find('@');
    return Lowered(at == std::string::npos ? address : address.substr(at));
}

}  // namespace

COwnerEmailDialog::COwnerEmailDialog(BCUserInfo* user, MCVariantPropertySet* data,
                                     const std::optional<std::string>& address, bool published,
                                     CWnd* parent)
    : CEmailAddressDialog(user, IDD_OWNER_EMAIL_DIALOG, IDC_OWNER_EMAIL_ADDRESS,
                          IDB_PUBLISHED_ADDRESS, address, parent),
      m_data(data),
      m_dontPublish(published ? 0 : 1) {}

void COwnerEmailDialog::DoDataExchange(CDataExchange* dx) {
    CEmailAddressDialog::DoDataExchange(dx);
    DDX_Check(dx, IDC_OWNER_EMAIL_DONT_PUBLISH, m_dontPublish);
}

void COwnerEmailDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    m_address = WithoutSpacesAndTabsAround(m_address);
    if (!CheckAddress() || !PassesMailDomainGuard()) return;
    CloseWithOK();
}

bool COwnerEmailDialog::PassesMailDomainGuard() {
    MCVariantPropertySet noRecord;
    MCVariantPropertySet& record = m_data ? *m_data : noRecord;
    const std::string service = BRCString(kMailDomainString);
    if (!service.empty() && DomainPart(m_address) == "@" + Lowered(service)) {
        return ConfirmMailServiceAddress(record);
    }
    const unsigned int number = record["UIN"];
    const bool named = std::any_of(
        std::begin(kReservedNames), std::end(kReservedNames),
        [this](std::string_view name) { return m_address.find(name) != std::string::npos; });
    if (number > kNameRuleFromNumber && named) {
        BResourceMessageBox(kEmailNameRefusedText, kEmailNameRefusedCaption, MB_ICONEXCLAMATION,
                            m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
        return false;
    }
    return true;
}

bool COwnerEmailDialog::ConfirmMailServiceAddress(MCVariantPropertySet& record) {
    if (!static_cast<bool>(record["ShowNUVMailEmailWarning"])) return true;
    BCWarningDialog warning(m_pUserInfo, kMailDomainWarningText, kMailDomainWarningCaption,
                            kDetailsIconNumber, 0, 0, 0, 0, 0, 0, nullptr, this, nullptr, 0);
    const INT_PTR answer = warning.DoModal();
    record["ShowNUVMailEmailWarning"] = warning.GetDontShowAgain() == 0;
    return answer == IDOK;
}
