// CEmptyPage: a tab of the user details window without fields of its own. It follows the page
// protocol as a page without fields: nothing changes, nothing needs checking or writing.
#pragma once

#include "hostlib/framework/BCInsideDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"

class CEmptyPage final : public BCInsideDialog {
public:
    // Borrows |data|, which the window keeps for as long as its pages live; null until the
    // window receives a user (PageSetData with code 0).
    CEmptyPage(BCUserInfo* user, UINT templateId, int contextNumber, MCVariantPropertySet* data,
               CWnd* parent);

    int PageCommit() override;
    void PageClear() override;
    int PageValidate() override;
    void PageReload() override;
    void PageSetData(int code, void* value) override;

    MCVariantPropertySet* GetData() const { return m_data; }

private:
    MCVariantPropertySet* m_data;
};
