// The History tab the client adds to details windows as an outside component: for a contact,
// when he was added and when his details were last fetched from the directory and what changed
// then; for the owner, when his details were last published and fetched. One setting: whether
// the client keeps track of the changes, saved when the window's pages are saved.
#pragma once

#include <cstdint>
#include <memory>

#include "client/host/HostValues.h"
#include "client/store/Store.h"
#include "module/host/MIExternalPage.h"
#include "platform/com/ComObject.h"
#include "platform/mfc/Dialog.h"

namespace nuvclient {

class HistoryPage final : public winport::ComObject<MIExternalPage>, private LiveHostObjects {
public:
    // |store| outlives the page.
    HistoryPage(Store& store, std::uint32_t user, bool owner);
    ~HistoryPage() override;

    HRESULT CreatePageWindow(HWND parent, const RECT* client, LONG flags) override;
    HRESULT GetPageWindow(HWND* window) override;
    HRESULT CompleteBuild(LONG reserved) override;
    HRESULT NotifyReparented(LONG flags) override;
    HRESULT ResizePage(int width, int height) override;
    // Refused once the user is no longer in the store: there is nothing to save the setting to.
    HRESULT ValidatePage() override;
    HRESULT CanCommitPage() override;
    // Stores the setting, then shows the record as it stands (a window commits its pages when
    // fetched details came in, too).
    HRESULT CommitPage() override;

private:
    class Window final : public CDialog {
    public:
        // Enter and Escape belong to the window around the page.
        void OnOK() override {}
        void OnCancel() override {}
    };

    // Shows the dates and changes the store holds, and the setting.
    void Show();

    Store& m_store;
    std::uint32_t m_user;
    bool m_owner;
    std::unique_ptr<Window> m_window;
};

}  // namespace nuvclient
