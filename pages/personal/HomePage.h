// CHomePage: the "Home" tab of the user details window: the home address with a street map,
// the three numbers published in the phone directory (phone, fax, cellular) with the phone
// location dialog, and the time zone with the two local times. The owner edits his own; for a
// contact the page is read-only, except that the owner may override the contact's time zone.
#pragma once

#include <optional>
#include <string>

#include "hostlib/controls/BCBitmapButton.h"
#include "hostlib/controls/BCCatchDblClickEdit.h"
#include "hostlib/framework/BCInsideDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"

class CHomePage final : public BCInsideDialog {
public:
    // Borrows |data|, which the window keeps while its pages live; null until the window
    // receives a user. |editable| (the owner's own details) is fixed for the page's life.
    CHomePage(BCUserInfo* user, bool editable, MCVariantPropertySet* data, CWnd* parent);
    ~CHomePage() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    int PageCommit() override;
    void PageClear() override;
    int PageValidate() override;
    void PageReload() override;
    void PageSetData(int code, void* value) override;
    LRESULT OnPageFocusOut() override;
    LRESULT OnPageDeferred() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    // A published number: its edit and button, the location its dialog names, and whether a
    // number typed there still waits for the dialog.
    struct PhoneField {
        int edit;
        int button;
        const char* key;
        const char* prefix;
        bool needsConfirmation = true;
        BCCatchDblClickEdit editWindow;
        BCBitmapButton buttonWindow;
    };
    // The dialog a number asks for, run once the page's own message comes back.
    struct PhoneRequest {
        HWND focus;
        PhoneField* field;
    };

    static const winport::Route<CHomePage> kRoutes[17];

    // Initialisation, load, save (HomePage.cpp).
    void FillTimeZones();
    void Load();
    void LoadTimeZone(MCVariantPropertySet& data, bool refresh);
    void SaveOwner(MCVariantPropertySet& data);
    short CountryCode() const;
    void ShowLocalTimes(int timeZone, bool userTime);
    int SelectedTimeZone() const;

    // Changes (HomePage.cpp).
    void OnFieldChanged();
    void OnCountryChanged();
    void OnTimeZoneChanged();
    void OnOverrideClicked();

    // The numbers and the map (HomePagePhones.cpp).
    // The number whose edit is |id|; null for another control.
    PhoneField* PhoneOfEdit(UINT_PTR id);
    void OnPhoneChanged(PhoneField& phone);
    void OnPhoneButton(PhoneField& phone);
    void OnPhoneFocusLost(PhoneField& phone);
    bool InThisWindow(HWND hwnd) const;
    // Runs the phone location dialog over |phone|'s number; true when it ended with OK.
    bool RunPhoneDialog(PhoneField& phone);
    LRESULT OnNotify(WPARAM, LPARAM lParam);
    void OnDisplayMap();

    // The routes name one handler each.
    void OnPhoneEdited() { OnPhoneChanged(m_phones[0]); }
    void OnFaxEdited() { OnPhoneChanged(m_phones[1]); }
    void OnCellEdited() { OnPhoneChanged(m_phones[2]); }
    void OnPhoneClicked() { OnPhoneButton(m_phones[0]); }
    void OnFaxClicked() { OnPhoneButton(m_phones[1]); }
    void OnCellClicked() { OnPhoneButton(m_phones[2]); }
    void OnPhoneLeft() { OnPhoneFocusLost(m_phones[0]); }
    void OnFaxLeft() { OnPhoneFocusLost(m_phones[1]); }
    void OnCellLeft() { OnPhoneFocusLost(m_phones[2]); }

    bool m_editable;
    MCVariantPropertySet* m_data;
    bool m_changed = false;
    bool m_timeZoneChanged = false;
    bool m_firstLoad = true;
    std::string m_city;
    std::string m_countryName;
    std::string m_state;
    std::string m_zipCode;
    std::string m_address;
    std::string m_phone;
    std::string m_fax;
    std::string m_cell;
    PhoneField m_phones[3];
    std::optional<PhoneRequest> m_request;
    HFONT m_labelFont = nullptr;
    HFONT m_phoneFont = nullptr;
};
