// The More page's buttons and check boxes: the home page, its category, the horoscope, and the
// birthday options.
#include <cstdio>

#include "hostlib/util/Astrology.h"
#include "module/ModuleState.h"
#include "module/TextBlanks.h"
#include "pages/WebAddress.h"
#include "pages/personal/MorePage.h"
#include "pages/work/HomepageCategoryDialog.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

void CMorePage::OnHomepageChanged() {
    UpdateData(TRUE);
    StripLeadingWhitespace(m_homepage);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_MORE_HOMEPAGE_BUTTON),
                   m_homepage.empty() ? FALSE : TRUE);
    m_changed = m_detailsChanged = true;
}

void CMorePage::OnDetailsChanged() {
    m_changed = m_detailsChanged = true;
}

void CMorePage::OnNotifyClicked() {
    m_changed = m_birthdayOptionsChanged = true;
}

void CMorePage::OnRemindClicked() {
    m_changed = m_birthdayOptionsChanged = true;
    EnableReminderDays();
}

void CMorePage::EnableReminderDays() {
    const HWND remind = ::GetDlgItem(m_hWnd, IDC_MORE_REMIND);
    const bool on = !m_editable && ::IsWindowEnabled(remind) &&
                    ::SendMessage(remind, BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (const int id : {IDC_MORE_REMIND_DAYS, IDC_MORE_REMIND_SPIN})
        ::EnableWindow(::GetDlgItem(m_hWnd, id), on ? TRUE : FALSE);
}

void CMorePage::OnOpenHomepage() {
    UpdateData(TRUE);
    OpenRecordAddress(m_homepage);
}

void CMorePage::OnHomepageCategory() {
    UpdateData(TRUE);
    CHomepageCategoryDialog dialog(GetUserInfo(), m_editable, m_data, this);
    dialog.SetHomepage(m_homepage, m_description, m_category);
    if (dialog.DoModal() != IDOK) return;
    // A new address is a detail of its own; the category and the description are not.
    if (dialog.GetAddress() != m_homepage) m_detailsChanged = true;
    m_homepage = dialog.GetAddress();
    m_description = dialog.GetDescription();
    m_category = static_cast<short>(dialog.GetCategory());
    m_categoryChanged = true;
    // The fields take the dialog's values; the age and the year stay as they are.
    m_updating = true;
    UpdateData(FALSE);
    m_updating = false;
    m_changed = true;
}

void CMorePage::OnHoroscope() {
    if (!m_data) return;
    MIHostServices* services = ModuleState().hostServices;
    std::string registered;
    if (!services || !services->GetRegisteredAddress("Zodiac", &registered)) return;
    UpdateData(TRUE);
    int month = 0;
    int day = 0;
    int year = 0;
    if (m_editable) {
        month = SelectedIndex(IDC_MORE_MONTH);
        day = SelectedIndex(IDC_MORE_DAY);
        year = static_cast<int>(NumberIn(m_year));
    } else {
        MCVariantPropertySet& data = *m_data;
        month = static_cast<unsigned char>(data["BirthMonth"]);
        day = static_cast<unsigned char>(data["BirthDay"]);
        year = static_cast<unsigned short>(data["BirthYear"]);
    }
    const auto format = [&](char* buffer, std::size_t size) {
        return std::snprintf(buffer, size, "%s?date=%02d%02d%04d&sign=%d", registered.c_str(),
                             month, day, year, FindAstrologySign(day, month));
    };
    std::string address(static_cast<std::size_t>(format(nullptr, 0)) + 1, '\0');
    address.resize(static_cast<std::size_t>(format(address.data(), address.size())));
    services->OpenAddress(address.c_str());
}
