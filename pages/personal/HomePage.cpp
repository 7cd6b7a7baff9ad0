#include "pages/personal/HomePage.h"

#include <cstdio>
#include <cstdlib>

#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/reference/ReferenceCombos.h"
#include "hostlib/util/Time.h"
#include "module/HostNumbers.h"
#include "module/TextBlanks.h"
#include "pages/AddressFields.h"
#include "pages/PageFonts.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/dialog/DialogApi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kLabels[] = {IDC_HOME_ADDRESS_LABEL,   IDC_HOME_CITY_LABEL,     IDC_HOME_STATE_LABEL,
                           IDC_HOME_ZIP_LABEL,       IDC_HOME_COUNTRY_LABEL,  IDC_HOME_PHONE_LABEL,
                           IDC_HOME_FAX_LABEL,       IDC_HOME_CELL_LABEL,     IDC_HOME_GMT_LABEL,
                           IDC_HOME_USER_TIME_LABEL, IDC_HOME_YOUR_TIME_LABEL};
constexpr struct {
    int id;
    int limit;
} kEdits[] = {{IDC_HOME_CITY, 30},    {IDC_HOME_STATE, 3}, {IDC_HOME_ZIP, 5},  {IDC_HOME_PHONE, 30},
              {IDC_HOME_ADDRESS, 30}, {IDC_HOME_FAX, 30},  {IDC_HOME_CELL, 30}};
constexpr CPagePhones::Number kNumbers[] = {
    {IDC_HOME_PHONE, IDC_HOME_PHONE_BUTTON, "HomePhone", "Home:", kPhoneImage},
    {IDC_HOME_FAX, IDC_HOME_FAX_BUTTON, "HomeFax", "HomeFax:", kFaxImage},
    {IDC_HOME_CELL, IDC_HOME_CELL_BUTTON, "HomeCell", "Cellular:", kCellularImage},
};
// Shown in one form only: the first four in the read-only form, the country list in the other.
constexpr int kReadOnlyFormItems[] = {IDC_HOME_COUNTRY_NAME, IDC_HOME_USER_TIME_LABEL,
                                      IDC_HOME_USER_TIME, IDC_HOME_OVERRIDE_GMT};

// The time zones run from twelve hours west of GMT (entry 0) to twelve hours east (entry 48);
// entry i stands for the stored value 24 - i, the offset negated, in half hours.
constexpr int kTimeZoneEntries = 49;
constexpr int kWestmostZone = 24;

std::string TimeZoneText(int entry) {
    const int halfHours = entry - kWestmostZone;
    const char sign = halfHours < 0 ? '-' : halfHours > 0 ? '+' : ' ';
    char text[32];
    std::snprintf(text, sizeof text, "(GMT %c%02d:%02d)", sign, std::abs(halfHours) / 2,
                  std::abs(halfHours) % 2 * 30);
    return text;
}

}  // namespace

const winport::Route<CHomePage> CHomePage::kRoutes[] = {
    {WM_COMMAND, EN_CHANGE, IDC_HOME_CITY, &CHomePage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_HOME_STATE, &CHomePage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_HOME_ADDRESS, &CHomePage::OnFieldChanged},
    {WM_COMMAND, EN_CHANGE, IDC_HOME_ZIP, &CHomePage::OnFieldChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_HOME_COUNTRY, &CHomePage::OnCountryChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_HOME_TIME_ZONE, &CHomePage::OnTimeZoneChanged},
    {WM_COMMAND, BN_CLICKED, IDC_HOME_OVERRIDE_GMT, &CHomePage::OnOverrideClicked},
    {WM_COMMAND, BN_CLICKED, IDC_HOME_MAP, &CHomePage::OnDisplayMap},
};

CHomePage::CHomePage(BCUserInfo* user, bool editable, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_HOME_PAGE, editable, data, parent),
      m_phones(*this, editable, kNumbers, [this] { m_changed = true; }) {}

CHomePage::~CHomePage() {
    if (m_labelFont) DeleteObject(m_labelFont);
}

BOOL CHomePage::OnInitDialog() {
    CRecordPage::OnInitDialog();
    m_labelFont = GiveFontVariant(m_hWnd, IDC_HOME_ADDRESS_LABEL, kLabels,
                                  [](LOGFONT& font) { font.lfWeight = kSemiBoldWeight; });
    for (const auto& [id, limit] : kEdits) {
        const HWND edit = ::GetDlgItem(m_hWnd, id);
        ::SendMessage(edit, EM_SETREADONLY, m_editable ? FALSE : TRUE, 0);
        ::SendMessage(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    }
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_HOME_COUNTRY), m_editable ? SW_SHOW : SW_HIDE);
    for (const int id : kReadOnlyFormItems)
        ::ShowWindow(::GetDlgItem(m_hWnd, id), m_editable ? SW_HIDE : SW_SHOW);
    m_phones.Initialize();
    FillTimeZones();
    if (m_editable) SetCountriesCombo(::GetDlgItem(m_hWnd, IDC_HOME_COUNTRY));
    Load();
    m_firstLoad = false;
    return TRUE;
}

void CHomePage::FillTimeZones() {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_HOME_TIME_ZONE);
    ::SendMessage(combo, CB_RESETCONTENT, 0, 0);
    for (int entry = 0; entry < kTimeZoneEntries; ++entry) {
        const std::string text = TimeZoneText(entry);
        ::SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void CHomePage::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_HOME_CITY, m_city);
    DDX_Text(dx, IDC_HOME_STATE, m_state);
    DDX_Text(dx, IDC_HOME_ZIP, m_zipCode);
    DDX_Text(dx, IDC_HOME_ADDRESS, m_address);
    DDX_Text(dx, IDC_HOME_PHONE, m_phone);
    DDX_Text(dx, IDC_HOME_FAX, m_fax);
    DDX_Text(dx, IDC_HOME_CELL, m_cell);
}

void CHomePage::PageReload() {
    Load();
}

void CHomePage::Load() {
    if (!m_data) return;
    MCVariantPropertySet& data = *m_data;
    SetDlgItemText(IDC_HOME_CITY, data["HomeCity"]);
    SetDlgItemText(IDC_HOME_STATE, data["HomeState"]);
    SetDlgItemText(IDC_HOME_ADDRESS, data["HomeAddress"]);
    for (const CPagePhones::Number& number : kNumbers)
        SetDlgItemText(number.edit, data[number.key]);
    SetDlgItemText(IDC_HOME_ZIP, data["HomeZipCode"]);
    const short country = data["HomeCountry"];
    const char* countryName = GetCountryName(country);
    SetDlgItemText(IDC_HOME_COUNTRY_NAME, countryName ? countryName : "");
    LoadTimeZone(data, !m_firstLoad);
    const HWND countries = ::GetDlgItem(m_hWnd, IDC_HOME_COUNTRY);
    ::SendMessage(countries, CB_SETCURSEL,
                  static_cast<WPARAM>(GetCountryComboIndex(countries, country)), 0);
    m_phones.Load(data);
    UpdateData(TRUE);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_HOME_MAP), CountryCode() > 0 ? TRUE : FALSE);
    m_changed = false;
    m_timeZoneChanged = false;
}

void CHomePage::LoadTimeZone(MCVariantPropertySet& data, bool refresh) {
    // A record that never had a zone reads as GMT; it shows none.
    const char timeZone =
        data["TimeZone"].Exists() ? static_cast<char>(data["TimeZone"]) : BCTime::kNoTimeZone;
    // The owner's override of a contact's zone outlives a refresh from the directory.
    const bool keepOverride = !m_editable && refresh && static_cast<bool>(data["DontUpdateGMT"]);
    char yourTime[BCTime::kBufferSize];
    BCTime::GetTime(yourTime);
    SetDlgItemText(IDC_HOME_YOUR_TIME, yourTime);
    if (!keepOverride) {
        char userTime[BCTime::kBufferSize] = "";
        if (timeZone != BCTime::kNoTimeZone) BCTime::GetTZTime(userTime, timeZone);
        SetDlgItemText(IDC_HOME_USER_TIME, userTime);
    }
    if (!m_editable) {
        const int overridden = data["DontUpdateGMT"];
        ::SendMessage(::GetDlgItem(m_hWnd, IDC_HOME_OVERRIDE_GMT), BM_SETCHECK,
                      overridden ? BST_CHECKED : BST_UNCHECKED, 0);
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_HOME_TIME_ZONE), overridden ? TRUE : FALSE);
    }
    if (keepOverride) return;
    const int entry = kWestmostZone - timeZone;
    const bool known = timeZone != BCTime::kNoTimeZone && entry >= 0 && entry < kTimeZoneEntries;
    ::SendMessage(::GetDlgItem(m_hWnd, IDC_HOME_TIME_ZONE), CB_SETCURSEL,
                  static_cast<WPARAM>(known ? entry : -1), 0);
}

short CHomePage::CountryCode() const {
    if (!m_editable) return m_data ? static_cast<short>((*m_data)["HomeCountry"]) : 0;
    const HWND countries = ::GetDlgItem(m_hWnd, IDC_HOME_COUNTRY);
    const LRESULT selection = ::SendMessage(countries, CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) return 0;
    return static_cast<short>(
        ::SendMessage(countries, CB_GETITEMDATA, static_cast<WPARAM>(selection), 0));
}

int CHomePage::SelectedTimeZone() const {
    const LRESULT entry = ::SendDlgItemMessage(m_hWnd, IDC_HOME_TIME_ZONE, CB_GETCURSEL, 0, 0);
    return entry == CB_ERR ? BCTime::kNoTimeZone : kWestmostZone - static_cast<int>(entry);
}

int CHomePage::PageCommit() {
    if (!m_data || (!m_changed && !m_timeZoneChanged)) return 1;
    UpdateData(TRUE);
    MCVariantPropertySet& data = *m_data;
    if (m_editable) {
        SaveOwner(data);
    } else {
        const bool overridden =
            ::SendDlgItemMessage(m_hWnd, IDC_HOME_OVERRIDE_GMT, BM_GETCHECK, 0, 0) == BST_CHECKED;
        data["DontUpdateGMT"] = overridden;
        if (overridden) data["TimeZone"] = static_cast<char>(SelectedTimeZone());
    }
    m_changed = false;
    m_timeZoneChanged = false;
    return 1;
}

void CHomePage::SaveOwner(MCVariantPropertySet& data) {
    // The zip code as its check saw it.
    for (std::string* text : {&m_city, &m_state, &m_zipCode, &m_address, &m_phone, &m_fax, &m_cell})
        StripLeadingWhitespace(*text);
    data["HomeCity"] = m_city;
    data["HomeState"] = m_state;
    data["HomeZipCode"] = m_zipCode;
    data["HomePhone"] = m_phone;
    data["HomeAddress"] = m_address;
    data["HomeFax"] = m_fax;
    data["HomeCell"] = m_cell;
    data["HomeCountry"] = CountryCode();
    if (m_timeZoneChanged) data["TimeZone"] = static_cast<char>(SelectedTimeZone());
    MarkForUpload(data, UploadSection::Identity);
}

int CHomePage::PageValidate() {
    if (!m_changed) return -1;
    UpdateData(TRUE);
    // A contact's address is his, shown read-only: the owner has nothing there to correct.
    if (!m_editable) return 1;
    return ValidateZipCode(m_zipCode, m_hWnd);
}

void CHomePage::PageClear() {
    for (const auto& [id, limit] : kEdits) SetDlgItemText(id, "");
    // No country rather than the list's first one, which Save would store.
    ::SendDlgItemMessage(m_hWnd, IDC_HOME_COUNTRY, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ::SendDlgItemMessage(m_hWnd, IDC_HOME_TIME_ZONE, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    OnCountryChanged();
}

void CHomePage::OnFieldChanged() {
    m_changed = true;
}

void CHomePage::OnCountryChanged() {
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_HOME_MAP), CountryCode() > 0 ? TRUE : FALSE);
    m_changed = true;
}

void CHomePage::OnTimeZoneChanged() {
    char yourTime[BCTime::kBufferSize];
    BCTime::GetTime(yourTime);
    SetDlgItemText(IDC_HOME_YOUR_TIME, yourTime);
    if (m_editable) {
        m_timeZoneChanged = true;
    } else {
        char userTime[BCTime::kBufferSize] = "";
        BCTime::GetTZTime(userTime, SelectedTimeZone());
        SetDlgItemText(IDC_HOME_USER_TIME, userTime);
    }
    m_changed = true;
}

void CHomePage::OnOverrideClicked() {
    m_changed = true;
    const bool overridden =
        ::SendDlgItemMessage(m_hWnd, IDC_HOME_OVERRIDE_GMT, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (m_data) (*m_data)["DontUpdateGMT"] = overridden;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_HOME_TIME_ZONE), overridden ? TRUE : FALSE);
}

void CHomePage::OnDisplayMap() {
    if (!m_data) return;
    OpenStreetMap([this] {
        MCVariantPropertySet& data = *m_data;
        if (m_editable) {
            UpdateData(TRUE);
            return MapPlace{CountryCode(), m_state, m_city, m_zipCode, m_address};
        }
        const unsigned short country = data["HomeCountry"];
        return MapPlace{country, data["HomeState"], data["HomeCity"], data["HomeZipCode"],
                        data["HomeAddress"]};
    });
}

LRESULT CHomePage::OnPageFocusOut() {
    return m_phones.OnPageFocusOut();
}

LRESULT CHomePage::OnPageDeferred() {
    return m_phones.OnPageDeferred(m_data);
}

std::optional<LRESULT> CHomePage::OnMessage(const winport::Message& m) {
    if (auto result = m_phones.OnMessage(m, m_data)) return result;
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CRecordPage::OnMessage(m);
}
