// CDialog: a dialog made from a template in the resource chain, modeless (Create) or modal
// (DoModal), with OK and Cancel handling and data exchange.
#pragma once

#include "platform/mfc/Wnd.h"

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Creates the dialog modeless; FALSE with a clear last error if the template is missing or
    // a control cannot be made.
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Runs the dialog modally and answers the EndDialog value, or -1 if it could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

    UINT GetTemplateId() const { return m_templateId; }

protected:
    UINT m_templateId = 0;
    CWnd* m_pParentWnd = nullptr;

private:
    static const winport::Route<CDialog> kRoutes[];

    LRESULT OnInitDialogMessage(WPARAM, LPARAM);
    HWND CreateFromTemplate(HWND parent);
};
