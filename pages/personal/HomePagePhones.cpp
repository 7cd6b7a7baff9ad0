// The Home page's published numbers, which the phone location dialog confirms, and its map.
#include <cstdio>
#include <string>

#include "hostlib/framework/FrameworkMessages.h"
#include "hostlib/reference/HostReferenceData.h"
#include "module/ModuleState.h"
#include "pages/personal/HomePage.h"
#include "pages/personal/PhoneLocationDialog.h"
#include "platform/core/CommonControls.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kPhoneTextLimit = 30;
constexpr char kMapFormat[] = "%s?countrycode=%d&country=%s&state=%s&city=%s&zip=%s&address=%s";

}  // namespace

CHomePage::PhoneField* CHomePage::PhoneOfEdit(UINT_PTR id) {
    for (PhoneField& phone : m_phones) {
        if (static_cast<UINT_PTR>(phone.edit) == id) return &phone;
    }
    return nullptr;
}

void CHomePage::OnPhoneChanged(PhoneField& phone) {
    m_changed = true;
    const bool empty = ::GetWindowTextLength(::GetDlgItem(m_hWnd, phone.edit)) == 0;
    // A number typed afresh waits for the dialog again.
    if (empty) phone.needsConfirmation = true;
    ::EnableWindow(::GetDlgItem(m_hWnd, phone.button), empty ? FALSE : TRUE);
}

bool CHomePage::InThisWindow(HWND hwnd) const {
    const HWND window = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    return hwnd && (hwnd == m_hWnd || (window && ::IsChild(window, hwnd)));
}

void CHomePage::OnPhoneButton(PhoneField& phone) {
    UpdateData(TRUE);
    if (!m_pUserInfo) return;
    const HWND edit = ::GetDlgItem(m_hWnd, phone.edit);
    if (!InThisWindow(edit)) return;
    m_request = PhoneRequest{edit, &phone};
    PostMessage(BCM_PAGEDEFERRED);
}

void CHomePage::OnPhoneFocusLost(PhoneField& phone) {
    // The focus has moved on already; leaving for another window asks nothing.
    const HWND focus = ::GetFocus();
    if (!InThisWindow(focus)) return;
    m_request = PhoneRequest{focus, &phone};
    PostMessage(BCM_PAGEDEFERRED);
}

LRESULT CHomePage::OnPageDeferred() {
    if (!m_request) return 1;
    const PhoneRequest request = *m_request;
    m_request.reset();
    PhoneField& phone = *request.field;
    const bool typed = ::GetWindowTextLength(::GetDlgItem(m_hWnd, phone.edit)) > 0;
    if (phone.needsConfirmation && typed) RunPhoneDialog(phone);
    // The person goes on where he was going: his window in front, the focus where he put it.
    if (::IsWindow(request.focus)) {
        ::SetForegroundWindow(::GetAncestor(request.focus, GA_ROOT));
        ::SetFocus(request.focus);
    }
    return 1;
}

bool CHomePage::RunPhoneDialog(PhoneField& phone) {
    const std::string text =
        phone.prefix + winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, phone.edit));
    CPhoneLocationDialog dialog(m_pUserInfo, m_editable, m_data, text, kPhoneTextLimit, this);
    if (dialog.DoModal() != IDOK || !m_editable) return false;
    SetDlgItemText(phone.edit, dialog.GetPhoneText());
    phone.needsConfirmation = false;
    return true;
}

LRESULT CHomePage::OnPageFocusOut() {
    // Moving the focus to the number's button confirms a number being typed.
    const HWND focus = ::GetFocus();
    for (const PhoneField& phone : m_phones) {
        if (focus == ::GetDlgItem(m_hWnd, phone.edit)) {
            ::SetFocus(::GetDlgItem(m_hWnd, phone.button));
            break;
        }
    }
    return 1;
}

LRESULT CHomePage::OnNotify(WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || header->code != NM_DBLCLK) return 1;
    PhoneField* phone = PhoneOfEdit(header->idFrom);
    if (!phone) return 0;
    if (m_editable) RunPhoneDialog(*phone);
    return 1;
}

void CHomePage::OnDisplayMap() {
    if (!m_data) return;
    MIHostServices* services = ModuleState().hostServices;
    std::string registered;
    if (!services || !services->GetRegisteredAddress("Map", &registered) || registered.empty())
        return;
    int countryCode = 0;
    std::string countryName;
    std::string state;
    std::string city;
    std::string zipCode;
    std::string address;
    if (m_editable) {
        UpdateData(TRUE);
        countryCode = CountryCode();
        countryName = m_countryName;
        state = m_state;
        city = m_city;
        zipCode = m_zipCode;
        address = m_address;
    } else {
        MCVariantPropertySet& data = *m_data;
        countryCode = static_cast<unsigned short>(data["HomeCountry"]);
        const char* name = GetCountryName(countryCode);
        countryName = name ? name : "";
        state = std::string(data["HomeState"]);
        city = std::string(data["HomeCity"]);
        zipCode = std::string(data["HomeZipCode"]);
        address = std::string(data["HomeAddress"]);
    }
    const int size =
        std::snprintf(nullptr, 0, kMapFormat, registered.c_str(), countryCode, countryName.c_str(),
                      state.c_str(), city.c_str(), zipCode.c_str(), address.c_str());
    std::string url(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(url.data(), url.size(), kMapFormat, registered.c_str(), countryCode,
                  countryName.c_str(), state.c_str(), city.c_str(), zipCode.c_str(),
                  address.c_str());
    url.resize(static_cast<std::size_t>(size));
    services->OpenAddress(url.c_str());
}
