#include "pages/identity/EmailAddressDialog.h"

#include "hostlib/util/HostStrings.h"
#include "hostlib/util/Validators.h"
#include "module/HostNumbers.h"
#include "module/host/HostStringIds.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/resources/ResourceApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kAddressLimit = 60;

}  // namespace

CEmailAddressDialog::CEmailAddressDialog(BCUserInfo* user, UINT templateId, int editId,
                                         int symbolId, const std::optional<std::string>& address,
                                         CWnd* parent)
    : BCTaskDialog(user, templateId, nullptr, "Email", kEditableContext, parent),
      m_address(address.value_or(std::string())),
      m_editId(editId),
      m_symbolId(symbolId),
      m_editMode(address.has_value()) {}

CEmailAddressDialog::~CEmailAddressDialog() {
    if (m_symbol) DeleteObject(m_symbol);
}

BOOL CEmailAddressDialog::OnInitDialog() {
    BCTaskDialog::OnInitDialog();
    GetDlgItem(m_editId)->SendMessage(EM_LIMITTEXT, kAddressLimit);
    SetWindowText(BRCString(m_editMode ? IDS_EDIT_EMAIL_ADDRESS : IDS_ADD_EMAIL_ADDRESS));
    SetDlgItemText(IDOK, BRCString(m_editMode ? IDS_EMAIL_OK : IDS_EMAIL_ADD));
    ShowSymbol();
    return TRUE;
}

void CEmailAddressDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, m_editId, m_address);
}

bool CEmailAddressDialog::CheckAddress() {
    if (m_address.empty() || BIsValidEmail(m_address.c_str())) return true;
    BResourceMessageBox(kInvalidEmailText, 0, MB_ICONERROR, m_hWnd);
    return false;
}

void CEmailAddressDialog::ShowSymbol() {
    // The picture is the template's one bitmap static; it shows but does not own the bitmap.
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongPtr(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        if (!m_symbol) m_symbol = LoadBitmap(nullptr, m_symbolId);
        ::SendMessage(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_symbol));
        return;
    }
}
