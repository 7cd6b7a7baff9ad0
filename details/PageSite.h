// CPageSite: the MIPageSite a details window hands to the host's tab provider, through which
// outside components add tabs. It is counted on its own: a provider may keep its reference past
// the window, and calls that arrive after the window is gone answer E_UNEXPECTED.
#pragma once

#include "module/host/MIPageSite.h"
#include "platform/com/ComObject.h"

class CUserDetailsDialog;

class CPageSite final : public winport::ComObject<MIPageSite> {
public:
    // Borrows |dialog| until Disconnect.
    static winport::ComPtr<CPageSite> Create(CUserDetailsDialog* dialog);

    // Adds a tab carrying |page| with |caption| and |icon|; a null page is ignored. E_FAIL when
    // the window could not make the tab.
    HRESULT AddPage(LPCOLESTR caption, HICON icon, MIExternalPage* page, DWORD reserved) override;

    // The window is going; called by its destructor.
    void Disconnect() { m_dialog = nullptr; }

private:
    explicit CPageSite(CUserDetailsDialog* dialog) : m_dialog(dialog) {}

    CUserDetailsDialog* m_dialog;
};
