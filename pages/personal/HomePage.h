// CHomePage: the "Home" tab of the user details window: the home address with a street map,
// the three numbers published in the phone directory (phone, fax, cellular) with the phone
// location dialog, and the time zone with the two local times. The owner edits his own; for a
// contact the page is read-only, except that the owner may override the contact's time zone.
#pragma once

#include <string>

#include "pages/PagePhones.h"
#include "pages/RecordPage.h"

class CHomePage final : public CRecordPage {
public:
    CHomePage(BCUserInfo* user, bool editable, MCVariantPropertySet* data, CWnd* parent);
    ~CHomePage() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    int PageCommit() override;
    void PageClear() override;
    int PageValidate() override;
    void PageReload() override;
    LRESULT OnPageFocusOut() override;
    LRESULT OnPageDeferred() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CHomePage> kRoutes[];

    // Initialisation, load, save (HomePage.cpp).
    void FillTimeZones();
    void Load();
    void LoadTimeZone(MCVariantPropertySet& data, bool refresh);
    void SaveOwner(MCVariantPropertySet& data);
    short CountryCode() const;
    int SelectedTimeZone() const;

    // Changes (HomePage.cpp).
    void OnFieldChanged();
    void OnCountryChanged();
    void OnTimeZoneChanged();
    void OnOverrideClicked();
    void OnDisplayMap();

    bool m_timeZoneChanged = false;
    bool m_firstLoad = true;
    std::string m_city;
    std::string m_state;
    std::string m_zipCode;
    std::string m_address;
    std::string m_phone;
    std::string m_fax;
    std::string m_cell;
    CPagePhones m_phones;
    HFONT m_labelFont = nullptr;
};
