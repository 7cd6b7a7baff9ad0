// CExternalPagePane: a tab of the user details window that carries a page object an outside
// component added. The component's window is re-parented into the pane and follows its size;
// validation and commit are passed on to the page object.
#pragma once

#include "hostlib/framework/BCInsideDialog.h"
#include "module/host/MIExternalPage.h"
#include "platform/com/ComPtr.h"

class CExternalPagePane final : public BCInsideDialog {
public:
    // Holds its own reference to |page| until it is destroyed.
    CExternalPagePane(MIExternalPage* page, BCUserInfo* user, CWnd* parent);

    // Has the component make its window and takes it in; FALSE when any step fails, which
    // leaves the tab empty.
    BOOL OnInitDialog() override;

    // 1 when the page commits or has nothing to commit.
    int PageCommit() override;
    // -1 when the page has nothing to commit, else 1 valid or 0 invalid.
    int PageValidate() override;
    // The component keeps its own data: clearing, reloading and new data leave it alone.
    void PageClear() override {}
    void PageReload() override {}
    void PageSetData(int, void*) override {}

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CExternalPagePane> kRoutes[];

    std::optional<LRESULT> OnSizeMessage(const winport::Message& m);
    bool TakeInPageWindow();

    winport::ComPtr<MIExternalPage> m_page;
    bool m_built = false;
};
