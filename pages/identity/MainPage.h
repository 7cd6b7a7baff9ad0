// CMainPage: the "Main" tab of the user details window: the user's number, names and network
// address, a button that copies a summary of the user to the clipboard, and the e-mail pane laid
// over the "Email Addresses" frame. The owner edits his names; for a contact the owner picks or
// types the name the contact is displayed under. Every page operation goes to the pane first.
#pragma once

#include <memory>
#include <string>

#include "hostlib/controls/BCBitmapButton.h"
#include "hostlib/controls/BCColorStatic.h"
#include "pages/RecordPage.h"

class CMainPage final : public CRecordPage {
public:
    // |owner| edits his own names; the e-mail pane shows his addresses or a contact's.
    CMainPage(BCUserInfo* user, bool owner, MCVariantPropertySet* data, CWnd* parent);
    ~CMainPage() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL CanKillDialog() override;

    int PageCommit() override;
    void PageClear() override;
    int PageValidate() override;
    void PageReload() override;
    void PageSetData(int code, void* value) override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CMainPage> kRoutes[];

    // Initialisation (MainPage.cpp).
    void AddToolTip();
    void CreateEmailPane();
    RECT EmailPaneRect() const;

    // Load, check and save (MainPage.cpp).
    void Load();
    void SetNameLabels(unsigned char userKind);
    void ShowNetworkAddress();
    bool CheckOwnerNames();
    void SaveOwnerNames();

    // The display choice of a contact (MainPageDisplay.cpp).
    void FillDisplayChoices();
    void SelectDisplayChoice(const std::string& handle);
    bool TakeSelectedDisplayText();
    bool CheckDisplayText();
    void SaveDisplayChoice();
    void SetWindowTitle(const std::string& title);

    // The user summary on the clipboard (MainPageSummary.cpp).
    void CopyUserSummary();
    void PlaceSummary(const std::string& text);

    // Message handlers.
    void OnNameChanged();
    void OnNicknameChanged();
    void OnDisplayEdited();
    void OnDisplayCloseUp();

    std::string m_number;
    std::string m_firstName;
    std::string m_lastName;
    std::string m_nickname;
    std::string m_displayText;
    std::string m_address;

    std::unique_ptr<BCInsideDialog> m_emailPane;
    BCBitmapButton m_copyButton;
    BCColorStatic m_numberLabel;
    HFONT m_boldFont = nullptr;
    HWND m_toolTip = nullptr;
};
