// The More Options button of the details window and the commands of its menus: the card saved as
// a vCard, the owner's Unlist and the page about publicizing his details, and a contact's White
// Pages.
#include "details/UserDetailsDialog.h"
#include "export/VCardWriter.h"
#include "hostlib/util/Browser.h"
#include "hostlib/util/HostStrings.h"
#include "module/host/HostStringIds.h"
#include "module/host/MIHostApplication.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/resources/ResourceApi.h"
#include "platform/shell/MenuApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

void CUserDetailsDialog::OnMoreOptions() {
    const HMENU menu = LoadMenu(nullptr, m_owner ? IDR_OWNER_MORE_MENU : IDR_CONTACT_MORE_MENU);
    if (!menu) return;
    const HMENU popup = GetSubMenu(menu, 0);
    const int height = GetMenuItemCount(popup) * GetSystemMetrics(SM_CYMENUSIZE) +
                       2 * GetSystemMetrics(SM_CYDLGFRAME);
    RECT button{};
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_DETAILS_MORE_OPTIONS), &button);
    // Below the button, or above it where the screen ends first.
    int top = button.bottom;
    if (top + height >= GetSystemMetrics(SM_CYSCREEN)) top = button.top - height;
    TrackPopupMenu(popup, TPM_CENTERALIGN | TPM_RIGHTBUTTON, (button.left + button.right) / 2, top,
                   0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

void CUserDetailsDialog::OnSaveAsVCard() {
    CVCardWriter(&m_propertySet).Export(this);
}

void CUserDetailsDialog::OnUnlist() {
    // Only the owner's details are his to empty; a contact's window would keep the empty pages
    // as his settings about the contact when it closes.
    if (!m_owner) return;
    switch (BResourceMessageBox(kUnlistText, kUnlistCaption, MB_YESNOCANCEL | MB_ICONEXCLAMATION,
                                m_hWnd)) {
        case IDYES:
            // The emptied pages reach the directory with the owner's next Save.
            MakeEveryPage();
            for (int i = 1; i < GetPageCount(); ++i) GetPage(i)->PageClear();
            break;
        case IDNO: DoPrev(); break;
        default: break;
    }
}

void CUserDetailsDialog::OnPublicize() {
    BrowserGotoRegURL("Web Directories Update", false);
}

void CUserDetailsDialog::OnUpdateOrWhitePages() {
    if (m_owner && !m_embedded) {
        m_operations.UpdateFromDatabase(m_ownerUser.Get());
    } else if (MIHostApplication* host = ModuleState().hostApplication) {
        host->OpenWhitePages();
    }
}
