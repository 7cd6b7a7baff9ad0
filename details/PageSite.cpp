#include "details/PageSite.h"

#include "details/UserDetailsDialog.h"
#include "hostlib/com/UnicodeUtils.h"

winport::ComPtr<CPageSite> CPageSite::Create(CUserDetailsDialog* dialog) {
    return winport::ComPtr<CPageSite>(new CPageSite(dialog));
}

HRESULT CPageSite::AddPage(LPCOLESTR caption, HICON icon, MIExternalPage* page, DWORD) {
    if (!m_dialog) return E_UNEXPECTED;
    if (!page) return S_OK;
    return m_dialog->AddExternalPage(UnicodeUtils::UnicodeToString(caption), icon, page) ? S_OK
                                                                                         : E_FAIL;
}
