// BCDialog: what every framework dialog has: the user it shows, its help context number, and
// the owner-drawn host controls' measure requests reflected to their wrappers.
#pragma once

#include "hostlib/framework/UserInfo.h"
#include "platform/mfc/Dialog.h"

class BCDialog : public CDialog {
public:
    BCDialog(BCUserInfo* user, UINT templateId, int contextNumber, CWnd* parent);

    // Shows another user; the default only stores the pointer.
    virtual void SetUser(BCUserInfo* user);
    // Places the dialog's parts after a size change; the default places nothing.
    virtual void Layout();
    // Whether the dialog may go now; the default always lets it.
    virtual BOOL CanKillDialog();

    BCUserInfo* GetUserInfo() const { return m_pUserInfo; }
    int GetContextNumber() const { return m_contextNumber; }

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

protected:
    BCUserInfo* m_pUserInfo;
    int m_contextNumber;

private:
    static const winport::Route<BCDialog> kRoutes[];

    LRESULT OnSizeMessage(WPARAM, LPARAM);
    std::optional<LRESULT> OnOwnerDrawMessage(const winport::Message& m);
};
