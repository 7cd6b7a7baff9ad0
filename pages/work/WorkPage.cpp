#include "pages/work/WorkPage.h"

#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/reference/ReferenceCombos.h"
#include "module/HostNumbers.h"
#include "module/ModuleState.h"
#include "module/TextBlanks.h"
#include "pages/AddressFields.h"
#include "pages/HostDataList.h"
#include "pages/PageFonts.h"
#include "pages/WebAddress.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/dialog/DialogApi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr CPagePhones::Number kNumbers[] = {
    {IDC_WORK_PHONE, IDC_WORK_PHONE_BUTTON, "WorkPhone", "Work:", kPhoneImage},
    {IDC_WORK_FAX, IDC_WORK_FAX_BUTTON, "WorkFax", "WorkFax:", kFaxImage},
};
constexpr int kLabels[] = {
    IDC_WORK_COMPANY_LABEL,    IDC_WORK_DEPARTMENT_LABEL, IDC_WORK_POSITION_LABEL,
    IDC_WORK_OCCUPATION_LABEL, IDC_WORK_PHONE_LABEL,      IDC_WORK_FAX_LABEL,
    IDC_WORK_ADDRESS_LABEL,    IDC_WORK_HOMEPAGE_LABEL,   IDC_WORK_CITY_LABEL,
    IDC_WORK_STATE_LABEL,      IDC_WORK_ZIP_LABEL,        IDC_WORK_COUNTRY_LABEL};
// The text fields and the keys they show, with their limits (0: read-only names).
constexpr struct {
    int id;
    const char* key;
    int limit;
} kFields[] = {
    {IDC_WORK_COMPANY, "WorkCompany", 30},   {IDC_WORK_DEPARTMENT, "WorkDepartment", 40},
    {IDC_WORK_POSITION, "WorkJobTitle", 40}, {IDC_WORK_CITY, "WorkCity", 30},
    {IDC_WORK_ZIP, "WorkZipCode", 5},        {IDC_WORK_STATE, "WorkState", 3},
    {IDC_WORK_PHONE, "WorkPhone", 30},       {IDC_WORK_FAX, "WorkFax", 30},
    {IDC_WORK_ADDRESS, "WorkAddress", 30},   {IDC_WORK_HOMEPAGE, "WorkHomepage", 80},
};
// The empty occupation: no code.
constexpr LONG_PTR kNoOccupation = -1;

}  // namespace

const winport::Route<CWorkPage> CWorkPage::kRoutes[] = {
    {WM_COMMAND, EN_CHANGE, IDC_WORK_COMPANY, &CWorkPage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_WORK_DEPARTMENT, &CWorkPage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_WORK_POSITION, &CWorkPage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_WORK_CITY, &CWorkPage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_WORK_STATE, &CWorkPage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_WORK_ZIP, &CWorkPage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_WORK_ADDRESS, &CWorkPage::OnFieldChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_WORK_OCCUPATION, &CWorkPage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_WORK_HOMEPAGE, &CWorkPage::OnHomepageChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_WORK_COUNTRY, &CWorkPage::OnCountryChanged},
    {WM_COMMAND, BN_CLICKED, IDC_WORK_MAP, &CWorkPage::OnDisplayMap},
    {WM_COMMAND, BN_CLICKED, IDC_WORK_HOMEPAGE_BUTTON, &CWorkPage::OnOpenHomepage},
};

CWorkPage::CWorkPage(BCUserInfo* user, bool editable, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_WORK_PAGE, editable, data, parent),
      m_phones(*this, editable, kNumbers, [this] { m_changed = true; }) {}

CWorkPage::~CWorkPage() {
    if (m_labelFont) DeleteObject(m_labelFont);
}

BOOL CWorkPage::OnInitDialog() {
    CRecordPage::OnInitDialog();
    OpenOccupations();
    m_labelFont = GiveFontVariant(m_hWnd, IDC_WORK_COMPANY_LABEL, kLabels,
                                  [](LOGFONT& font) { font.lfWeight = kSemiBoldWeight; });
    for (const auto& field : kFields) {
        const HWND edit = ::GetDlgItem(m_hWnd, field.id);
        ::SendMessage(edit, EM_SETREADONLY, m_editable ? FALSE : TRUE, 0);
        ::SendMessage(edit, EM_LIMITTEXT, static_cast<WPARAM>(field.limit), 0);
    }
    m_phones.Initialize();
    m_homepageButton.SubclassDlgItem(IDC_WORK_HOMEPAGE_BUTTON, this);
    if (MIHostServices* services = ModuleState().hostServices)
        m_homepageButton.SetImageList(0, services->GetSmallImageList(), kWebPageImage, TRUE);
    for (const int id : {IDC_WORK_COUNTRY, IDC_WORK_OCCUPATION})
        ::ShowWindow(::GetDlgItem(m_hWnd, id), m_editable ? SW_SHOW : SW_HIDE);
    for (const int id : {IDC_WORK_COUNTRY_NAME, IDC_WORK_OCCUPATION_NAME})
        ::ShowWindow(::GetDlgItem(m_hWnd, id), m_editable ? SW_HIDE : SW_SHOW);
    if (m_editable) {
        SetCountriesCombo(::GetDlgItem(m_hWnd, IDC_WORK_COUNTRY));
        FillOccupations();
    }
    PageReload();
    return TRUE;
}

void CWorkPage::OpenOccupations() {
    // Without its list the page shows no occupation.
    m_occupations = OpenHostDataList("occupation");
}

void CWorkPage::FillOccupations() {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_WORK_OCCUPATION);
    if (m_occupations) SetNumberStringCombo(combo, m_occupations.Get(), 0);
    // One empty entry, which stands for no occupation.
    const LRESULT empty = ::SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    ::SendMessage(combo, CB_SETITEMDATA, static_cast<WPARAM>(empty), kNoOccupation);
}

std::string CWorkPage::OccupationName(long code) const {
    LONG row = -1;
    const char* name = nullptr;
    if (!m_occupations || m_occupations->FindRow("code", code, &row) != S_OK ||
        m_occupations->GetString(row, "name", &name) != S_OK || !name) {
        return {};
    }
    return name;
}

void CWorkPage::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_WORK_COMPANY, m_company);
    DDX_Text(dx, IDC_WORK_DEPARTMENT, m_department);
    DDX_Text(dx, IDC_WORK_POSITION, m_position);
    DDX_Text(dx, IDC_WORK_PHONE, m_phone);
    DDX_Text(dx, IDC_WORK_FAX, m_fax);
    DDX_Text(dx, IDC_WORK_ADDRESS, m_address);
    DDX_Text(dx, IDC_WORK_HOMEPAGE, m_homepage);
    DDX_Text(dx, IDC_WORK_CITY, m_city);
    DDX_Text(dx, IDC_WORK_STATE, m_state);
    DDX_Text(dx, IDC_WORK_ZIP, m_zipCode);
}

void CWorkPage::PageReload() {
    if (!m_data) return;
    MCVariantPropertySet& data = *m_data;
    for (const auto& field : kFields) SetDlgItemText(field.id, data[field.key]);
    const short country = data["WorkCountry"];
    if (m_editable) {
        const HWND countries = ::GetDlgItem(m_hWnd, IDC_WORK_COUNTRY);
        ::SendMessage(countries, CB_SETCURSEL,
                      static_cast<WPARAM>(GetCountryComboIndex(countries, country)), 0);
        const unsigned long occupation = data["Occupation"];
        SelectComboByItemData(::GetDlgItem(m_hWnd, IDC_WORK_OCCUPATION),
                              static_cast<LONG_PTR>(occupation));
        m_storedOccupation = static_cast<short>(occupation);
    } else {
        const char* name = GetCountryName(country);
        SetDlgItemText(IDC_WORK_COUNTRY_NAME, name ? name : "");
        SetDlgItemText(IDC_WORK_OCCUPATION_NAME, OccupationName(data["Occupation"]));
    }
    const std::string homepage = data["WorkHomepage"];
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_WORK_HOMEPAGE_BUTTON), homepage.empty() ? FALSE : TRUE);
    m_phones.Load(data);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_WORK_MAP), CountryCode() > 0 ? TRUE : FALSE);
    m_changed = false;
    UpdateData(TRUE);
}

short CWorkPage::CountryCode() const {
    if (!m_data) return 0;
    if (!m_editable) return (*m_data)["WorkCountry"];
    const LRESULT selection = ::SendDlgItemMessage(m_hWnd, IDC_WORK_COUNTRY, CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) return 0;
    return static_cast<short>(::SendDlgItemMessage(m_hWnd, IDC_WORK_COUNTRY, CB_GETITEMDATA,
                                                   static_cast<WPARAM>(selection), 0));
}

short CWorkPage::OccupationCode() const {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_WORK_OCCUPATION);
    // A code the list has no entry for (or no list at all) is the record's, not the person's.
    if (::SendMessage(combo, CB_GETCURSEL, 0, 0) == CB_ERR) return m_storedOccupation;
    const auto code = static_cast<short>(GetComboCurSelValue(combo));
    return code < 0 ? 0 : code;
}

int CWorkPage::PageCommit() {
    if (!m_editable || !m_changed || !m_data) return 1;
    MCVariantPropertySet& data = *m_data;
    // The phone location dialog's numbers lose their leading blank, as the Home page's do.
    StripLeadingWhitespace(m_phone);
    StripLeadingWhitespace(m_fax);
    const std::string* texts[] = {&m_company, &m_department, &m_position, &m_city,    &m_zipCode,
                                  &m_state,   &m_phone,      &m_fax,      &m_address, &m_homepage};
    for (std::size_t i = 0; i < std::size(kFields); ++i) data[kFields[i].key] = *texts[i];
    data["WorkCountry"] = CountryCode();
    data["Occupation"] = OccupationCode();
    MarkForUpload(data, UploadSection::Work);
    m_changed = false;
    return 1;
}

int CWorkPage::PageValidate() {
    if (!m_changed) return -1;
    UpdateData(TRUE);
    return ValidateZipCode(m_zipCode, m_hWnd);
}

void CWorkPage::PageClear() {
    for (const auto& field : kFields) SetDlgItemText(field.id, "");
    SetDlgItemText(IDC_WORK_OCCUPATION_NAME, "");
    for (const int id : {IDC_WORK_COUNTRY, IDC_WORK_OCCUPATION})
        ::SendDlgItemMessage(m_hWnd, id, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    m_storedOccupation = 0;
    m_changed = true;
}

void CWorkPage::OnFieldChanged() {
    m_changed = true;
}

void CWorkPage::OnHomepageChanged() {
    m_homepage = winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, IDC_WORK_HOMEPAGE));
    StripLeadingWhitespace(m_homepage);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_WORK_HOMEPAGE_BUTTON),
                   m_homepage.empty() ? FALSE : TRUE);
    m_changed = true;
}

void CWorkPage::OnCountryChanged() {
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_WORK_MAP), CountryCode() > 0 ? TRUE : FALSE);
    m_changed = true;
}

void CWorkPage::OnDisplayMap() {
    OpenStreetMap([this] {
        UpdateData(TRUE);
        return MapPlace{CountryCode(), m_state, m_city, m_zipCode, m_address};
    });
}

void CWorkPage::OnOpenHomepage() {
    UpdateData(TRUE);
    OpenRecordAddress(m_homepage);
}

LRESULT CWorkPage::OnPageFocusOut() {
    return m_phones.OnPageFocusOut();
}

LRESULT CWorkPage::OnPageDeferred() {
    return m_phones.OnPageDeferred(m_data);
}

std::optional<LRESULT> CWorkPage::OnMessage(const winport::Message& m) {
    if (auto result = m_phones.OnMessage(m, m_data)) return result;
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CRecordPage::OnMessage(m);
}
