// CWorkPage: the "Work" tab of the user details window: the company, department, position and
// occupation (a code of the host's "occupation" list), the work phone and fax as the phone
// directory lists them, the work address with a street map, and the work home page. The owner
// edits his own; a contact's are shown read-only.
#pragma once

#include <string>

#include "hostlib/controls/BCBitmapButton.h"
#include "module/host/MINUVDataList.h"
#include "pages/PagePhones.h"
#include "pages/RecordPage.h"
#include "platform/com/ComPtr.h"

class CWorkPage final : public CRecordPage {
public:
    CWorkPage(BCUserInfo* user, bool editable, MCVariantPropertySet* data, CWnd* parent);
    ~CWorkPage() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    // Writes the fields as the last validation copied them.
    int PageCommit() override;
    void PageClear() override;
    int PageValidate() override;
    void PageReload() override;
    LRESULT OnPageFocusOut() override;
    LRESULT OnPageDeferred() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CWorkPage> kRoutes[];

    void OpenOccupations();
    void FillOccupations();
    std::string OccupationName(long code) const;
    short CountryCode() const;
    short OccupationCode() const;

    void OnFieldChanged();
    void OnHomepageChanged();
    void OnCountryChanged();
    void OnDisplayMap();
    void OnOpenHomepage();

    std::string m_company;
    std::string m_department;
    std::string m_position;
    std::string m_phone;
    std::string m_fax;
    std::string m_address;
    std::string m_homepage;
    std::string m_city;
    std::string m_state;
    std::string m_zipCode;
    // The record's occupation as the last load found it.
    short m_storedOccupation = 0;
    winport::ComPtr<MINUVDataList> m_occupations;
    CPagePhones m_phones;
    BCBitmapButton m_homepageButton;
    HFONT m_labelFont = nullptr;
};
