// CEmailAddressDialog: what the two e-mail address dialogs share. Each asks for one address,
// for a new one (add) or an existing one (edit), limits it to 60 characters, titles itself and
// its OK button after the mode, and shows the symbol that marks such an address in the list.
// Both run modally.
#pragma once

#include <optional>
#include <string>

#include "hostlib/framework/BCTaskDialog.h"

class CEmailAddressDialog : public BCTaskDialog {
public:
    ~CEmailAddressDialog() override;

    // The address as the dialog ended; the entered text after OK.
    const std::string& GetAddress() const { return m_address; }
    bool IsEditMode() const { return m_editMode; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    // Edit mode when |address| is given. |editId| is the address edit, |symbolId| the bitmap
    // the dialog shows.
    CEmailAddressDialog(BCUserInfo* user, UINT templateId, int editId, int symbolId,
                        const std::optional<std::string>& address, CWnd* parent);

    // An empty address or a valid one; otherwise tells the person (the dialog stays open).
    bool CheckAddress();
    void CloseWithOK() { EndDialog(IDOK); }

    std::string m_address;

private:
    void ShowSymbol();

    int m_editId;
    int m_symbolId;
    bool m_editMode;
    HBITMAP m_symbol = nullptr;
};
