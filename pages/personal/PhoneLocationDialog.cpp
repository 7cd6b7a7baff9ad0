#include "pages/personal/PhoneLocationDialog.h"

#include <cstdio>

#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/reference/ReferenceCombos.h"
#include "hostlib/util/HostStrings.h"
#include "module/HostNumbers.h"
#include "module/TextBlanks.h"
#include "module/host/HostStringIds.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/shell/MessageBox.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kLocationLimit = 20;
constexpr int kAreaLimit = 4;
constexpr int kLocalLimit = 10;
constexpr int kExtensionLimit = 4;
constexpr int kPartEdits[] = {IDC_PHONE_EXTENSION, IDC_PHONE_LOCAL, IDC_PHONE_AREA,
                              IDC_PHONE_LOCATION_NAME};

}  // namespace

const winport::Route<CPhoneLocationDialog> CPhoneLocationDialog::kRoutes[] = {
    {WM_COMMAND, EN_CHANGE, IDC_PHONE_LOCATION_NAME, &CPhoneLocationDialog::OnLocationChanged},
    {WM_COMMAND, EN_CHANGE, IDC_PHONE_AREA, &CPhoneLocationDialog::OnAreaChanged},
    {WM_COMMAND, EN_CHANGE, IDC_PHONE_LOCAL, &CPhoneLocationDialog::OnLocalChanged},
    {WM_COMMAND, EN_CHANGE, IDC_PHONE_EXTENSION, &CPhoneLocationDialog::OnExtensionChanged},
    {WM_COMMAND, CBN_SELENDOK, IDC_PHONE_COUNTRY, &CPhoneLocationDialog::OnCountryChosen},
};

CPhoneLocationDialog::CPhoneLocationDialog(BCUserInfo* user, bool editable,
                                           MCVariantPropertySet* data, const std::string& text,
                                           PhoneTextSource source, int maxLength, CWnd* parent)
    : BCTaskDialog(user, IDD_PHONE_LOCATION, nullptr, "Phone",
                   editable ? kEditableContext : kViewOnlyContext, parent),
      m_editable(editable),
      m_data(data),
      m_source(source),
      m_maxLength(maxLength),
      m_preview(text),
      m_parts(ReadPhoneText(text, source)) {}

BOOL CPhoneLocationDialog::OnInitDialog() {
    BCTaskDialog::OnInitDialog();
    SetWindowText(BRCString(kPhoneLocationCaption));
    ::SendDlgItemMessage(m_hWnd, IDC_PHONE_EXTENSION, EM_LIMITTEXT, kExtensionLimit, 0);
    ::SendDlgItemMessage(m_hWnd, IDC_PHONE_LOCAL, EM_LIMITTEXT, kLocalLimit, 0);
    ::SendDlgItemMessage(m_hWnd, IDC_PHONE_AREA, EM_LIMITTEXT, kAreaLimit, 0);
    ::SendDlgItemMessage(m_hWnd, IDC_PHONE_LOCATION_NAME, EM_LIMITTEXT, kLocationLimit, 0);
    FillCountries();
    for (const int edit : kPartEdits)
        ::SendDlgItemMessage(m_hWnd, edit, EM_SETREADONLY, m_editable ? FALSE : TRUE, 0);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_PHONE_COUNTRY), m_editable ? TRUE : FALSE);
    return TRUE;
}

void CPhoneLocationDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_PHONE_PREVIEW, m_preview);
    DDX_Text(dx, IDC_PHONE_LOCATION_NAME, m_parts.location);
    DDX_Text(dx, IDC_PHONE_AREA, m_parts.area);
    DDX_Text(dx, IDC_PHONE_LOCAL, m_parts.local);
    DDX_Text(dx, IDC_PHONE_EXTENSION, m_parts.extension);
}

void CPhoneLocationDialog::FillCountries() {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_PHONE_COUNTRY);
    SetCountriesCombo(combo);
    if (::SendMessage(combo, CB_GETCOUNT, 0, 0) <= 0) return;
    if (::SendMessage(combo, CB_GETLBTEXTLEN, 0, 0) == 0)
        ::SendMessage(combo, CB_DELETESTRING, 0, 0);
    const LRESULT found = ::SendMessage(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(m_parts.country.c_str()));
    if (found != CB_ERR) return;
    // A stored number without a country has none until the person picks one.
    if (m_source == PhoneTextSource::Stored && m_parts.country.empty()) return;
    // A typed number, or a country no entry begins with: the user's home country, or code 1
    // without one.
    int home = m_data ? static_cast<int>((*m_data)["HomeCountry"]) : 0;
    if (home == 0 || home == -1) home = 1;
    ::SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(GetCountryComboIndex(combo, home)), 0);
    const char* name = GetCountryName(home);
    m_parts.country = name ? name : "";
}

void CPhoneLocationDialog::OnPartChanged(int editId, std::string& part) {
    const HWND edit = ::GetDlgItem(m_hWnd, editId);
    // What the program puts into the edit is not the person's change.
    if (::GetFocus() != edit) return;
    part = WithoutSpacesAndTabsAround(winport::GetWindowTextUtf8(edit));
    ShowJoinedText();
}

void CPhoneLocationDialog::OnLocationChanged() {
    OnPartChanged(IDC_PHONE_LOCATION_NAME, m_parts.location);
}

void CPhoneLocationDialog::OnAreaChanged() {
    OnPartChanged(IDC_PHONE_AREA, m_parts.area);
}

void CPhoneLocationDialog::OnLocalChanged() {
    OnPartChanged(IDC_PHONE_LOCAL, m_parts.local);
}

void CPhoneLocationDialog::OnExtensionChanged() {
    OnPartChanged(IDC_PHONE_EXTENSION, m_parts.extension);
}

void CPhoneLocationDialog::OnCountryChosen() {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_PHONE_COUNTRY);
    const LRESULT selection = ::SendMessage(combo, CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) return;
    std::string name(static_cast<std::size_t>(::SendMessage(combo, CB_GETLBTEXTLEN, selection, 0)),
                     '\0');
    ::SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(selection),
                  reinterpret_cast<LPARAM>(name.data()));
    m_parts.country = name;
    ShowJoinedText();
}

void CPhoneLocationDialog::ShowJoinedText() {
    m_preview = GetPhoneText();
    ::SetWindowText(::GetDlgItem(m_hWnd, IDC_PHONE_PREVIEW), m_preview.c_str());
}

void CPhoneLocationDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    // The fields as typing leaves them: a blank around a part is no part of the number.
    for (std::string* part : {&m_parts.location, &m_parts.area, &m_parts.local, &m_parts.extension})
        *part = WithoutSpacesAndTabsAround(*part);
    // Characters, as the fields count them, not the bytes of their UTF-8.
    const auto length = static_cast<int>(winport::CodePointCount(GetPhoneText()));
    if (length > m_maxLength) {
        char text[256];
        std::snprintf(text, sizeof text, BRCString(IDS_PHONE_LENGTH).c_str(), length, 0,
                      m_maxLength);
        ::MessageBox(m_hWnd, text, BRCString(IDS_PHONE_LENGTH_CAPTION).c_str(),
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}

std::optional<LRESULT> CPhoneLocationDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTaskDialog::OnMessage(m);
}
