// CEGroupInfoDialog: an e-mail group the owner is subscribed to: its name, number, registration
// page and description, Update to fetch them from the directory again, and the owner's choice to
// publish his number and online status to the group's other members.
#pragma once

#include <string>

#include "details/DetailsOperations.h"
#include "hostlib/framework/BCTaskDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "module/ModuleState.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Unknown.h"

class CEGroupInfoDialog final : public BCTaskDialog, private CDetailsOperations::Window {
public:
    // Holds |group| (the group's user object) and its record while the dialog lives.
    CEGroupInfoDialog(IUnknown* group, BCUserInfo* user, CWnd* parent);

    BOOL OnInitDialog() override;
    // Stores the owner's choice; clearing the box is first confirmed in a notice, unless he
    // asked not to see it again. A notice he backs out of keeps the dialog open, nothing stored.
    void OnOK() override;
    LRESULT OnLabelDone() override;
    LRESULT OnLabelCancel() override;
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

    // The callback the Update reports to.
    MIDBOpCallback* GetOperationCallback() const { return m_operations.Callback(); }

private:
    static const winport::Route<CEGroupInfoDialog> kRoutes[];

    // The group's name, number, registration page and description from its record.
    void ShowFields();
    void OnUpdate();
    void OnGotoUrl();
    std::optional<LRESULT> OnDestroyMessage(const winport::Message& m);

    // What the Update asks of the dialog: the details window's operation button is Update here,
    // and the fields are shown again once the details are in.
    HWND QuestionOwner() const override { return m_hWnd; }
    std::string ItemText(int) const override { return {}; }
    void SetItemText(int, const char*) override {}
    void EnableItem(int id, ItemState state) override;
    void PlayAnimation() override;
    void StopAnimation() override;
    bool ValidatePages() override { return true; }
    void CommitPages() override {}
    void ReportPagesCommitted() override {}
    void ReloadPages() override { ShowFields(); }
    void EnablePages(ItemState) override {}
    void UploadEnded(bool) override {}

    CLiveDialogCount m_live;
    winport::ComPtr<IUnknown> m_group;
    MCVariantPropertySet m_record;
    // Declared last, so it goes first: the Update ends while the rest is whole.
    CDetailsOperations m_operations;
};
