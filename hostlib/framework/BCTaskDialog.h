// BCTaskDialog: a top-level framework dialog, run modal (DoModal, the object lives on the
// caller's stack) or modeless (MyCreate). A modeless dialog deletes its own object once its
// window is gone; if MyCreate fails, nothing is deleted and the caller deletes the object.
#pragma once

#include <string>

#include "hostlib/framework/BCDialog.h"
#include "platform/window/WindowApi.h"

class BCTaskDialog : public BCDialog {
public:
    BCTaskDialog(BCUserInfo* user, UINT templateId, HICON icon, const char* name, int contextNumber,
                 CWnd* parent);

    // Creates the dialog modeless from |templateId| and shows it if its template says so.
    // Nonzero on success; zero, with the last error saying why, leaves the object to the caller.
    virtual BOOL MyCreate(UINT templateId);
    INT_PTR DoModal() override;

    void OnOK() override;
    void OnCancel() override;
    // WM_CLOSE: goes only if CanKillDialog agrees, then as Cancel does.
    virtual void OnClose();
    // WM_CREATE: nonzero stops the creation. The default agrees.
    virtual int OnCreate(CREATESTRUCT* create);
    // The framework's labels for the closing button (BCM_LABELDONE, BCM_LABELCANCEL); a task
    // dialog with such a button relabels it. The defaults change nothing and answer 0.
    virtual LRESULT OnLabelDone();
    virtual LRESULT OnLabelCancel();

    BOOL IsModeless() const { return m_modeless; }
    HICON GetTaskIcon() const { return m_icon; }
    const std::string& GetTaskName() const { return m_name; }

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

protected:
    void PostNcDestroy() override;

private:
    static const winport::Route<BCTaskDialog> kRoutes[];

    LRESULT OnCloseMessage(WPARAM, LPARAM);
    LRESULT OnCreateMessage(WPARAM, LPARAM lParam);
    LRESULT OnLabelDoneMessage(WPARAM, LPARAM);
    LRESULT OnLabelCancelMessage(WPARAM, LPARAM);
    // Takes a modeless window down, or ends the modal loop with |result|.
    void Finish(int result);

    HICON m_icon;
    std::string m_name;
    BOOL m_modeless = FALSE;
};
