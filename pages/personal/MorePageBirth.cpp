// The More page's birth date: age and year following each other, the day list of the month, the
// zodiac sign, and the spins of the year, the age and the reminder days.
#include <algorithm>

#include "hostlib/reference/ReferenceCombos.h"
#include "hostlib/util/Astrology.h"
#include "hostlib/util/Validators.h"
#include "pages/personal/MorePage.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/UpDownApi.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kFirstYear = 1900;
constexpr int kMostReminderDays = 9;

// Runs |work| unless a handler already runs, with the flag set meanwhile.
template <class Work>
void Guarded(bool& updating, Work work) {
    if (updating) return;
    updating = true;
    work();
    updating = false;
}

}  // namespace

int CMorePage::LatestYear() const {
    return m_todayYear;
}

int CMorePage::HighestAge() const {
    return m_todayYear - kFirstYear;
}

bool CMorePage::BirthdayToCome(int month, int day) const {
    if (month < 1 || day < 1) return false;
    return m_todayMonth < month || (m_todayMonth == month && m_todayDay < day);
}

void CMorePage::FillDays() {
    const std::string year = winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, IDC_MORE_YEAR));
    SetDaysCombo(::GetDlgItem(m_hWnd, IDC_MORE_DAY), SelectedIndex(IDC_MORE_DAY),
                 SelectedIndex(IDC_MORE_MONTH), static_cast<int>(NumberIn(year)));
}

void CMorePage::AgeFromYear() {
    const std::string year = winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, IDC_MORE_YEAR));
    if (year.empty()) {
        SetDlgItemText(IDC_MORE_AGE, "");
        return;
    }
    int age = m_todayYear - static_cast<int>(NumberIn(year));
    if (BirthdayToCome(SelectedIndex(IDC_MORE_MONTH), SelectedIndex(IDC_MORE_DAY))) --age;
    SetDlgItemText(IDC_MORE_AGE, std::to_string(std::clamp(age, 1, HighestAge())));
    FillDays();
}

void CMorePage::YearFromAge() {
    const std::string age = winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, IDC_MORE_AGE));
    if (age.empty()) {
        SetDlgItemText(IDC_MORE_YEAR, "");
        return;
    }
    int year = m_todayYear - static_cast<int>(NumberIn(age));
    if (BirthdayToCome(SelectedIndex(IDC_MORE_MONTH), SelectedIndex(IDC_MORE_DAY))) --year;
    if (year < kFirstYear || year > m_todayYear) year = kFirstYear;
    SetDlgItemText(IDC_MORE_YEAR, std::to_string(year));
    FillDays();
}

void CMorePage::ShowSign() {
    const int sign = FindAstrologySign(SelectedIndex(IDC_MORE_DAY), SelectedIndex(IDC_MORE_MONTH));
    m_zodiacImage.SetImageList(m_zodiacImages, sign);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_MORE_HOROSCOPE), sign != 0 ? TRUE : FALSE);
    if (m_editable)
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_MORE_NOTIFY_BIRTHDAY), sign != 0 ? TRUE : FALSE);
}

void CMorePage::SetSpinRanges() {
    const struct {
        int spin;
        int buddy;
        int lowest;
        int highest;
    } spins[] = {{IDC_MORE_YEAR_SPIN, IDC_MORE_YEAR, kFirstYear, LatestYear()},
                 {IDC_MORE_AGE_SPIN, IDC_MORE_AGE, 1, HighestAge()},
                 {IDC_MORE_REMIND_SPIN, IDC_MORE_REMIND_DAYS, 0, kMostReminderDays}};
    for (const auto& spin : spins) {
        const HWND control = ::GetDlgItem(m_hWnd, spin.spin);
        ::SendMessage(control, UDM_SETRANGE32, static_cast<WPARAM>(spin.lowest), spin.highest);
        const std::string text = winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, spin.buddy));
        ::SendMessage(control, UDM_SETPOS32, 0, NumberIn(text));
    }
}

void CMorePage::OnAgeChanged() {
    Guarded(m_updating, [this] {
        UpdateData(TRUE);
        m_changed = m_detailsChanged = true;
        if (m_editable) YearFromAge();
    });
}

void CMorePage::OnYearChanged() {
    Guarded(m_updating, [this] {
        UpdateData(TRUE);
        m_changed = m_detailsChanged = true;
        AgeFromYear();
    });
}

void CMorePage::OnMonthChanged() {
    Guarded(m_updating, [this] {
        UpdateData(TRUE);
        FillDays();
        AgeFromYear();
        ShowSign();
        m_changed = m_detailsChanged = true;
    });
}

void CMorePage::OnDayChanged() {
    Guarded(m_updating, [this] {
        UpdateData(TRUE);
        m_changed = m_detailsChanged = true;
        AgeFromYear();
        ShowSign();
    });
}

// A spin of the year or the age steps the number its edit holds, within the range, and refuses
// its own change; an edit without such a number starts again at the range's lower end.
void CMorePage::StepNumber(int editId, int lowest, int highest, const NMHDR* header,
                           LRESULT* result) {
    const auto* change = reinterpret_cast<const NMUPDOWN*>(header);
    UpdateData(TRUE);
    const std::string text = winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, editId));
    if (!BIsValidIntegerEntry(text.c_str(), nullptr, lowest, highest, nullptr)) {
        SetDlgItemText(editId, std::to_string(lowest));
        *result = 0;
        return;
    }
    const long stepped = std::clamp<long>(NumberIn(text) + change->iDelta, lowest, highest);
    SetDlgItemText(editId, std::to_string(stepped));
    *result = 1;
    m_changed = m_detailsChanged = true;
}

void CMorePage::OnYearSpin(NMHDR* header, LRESULT* result) {
    StepNumber(IDC_MORE_YEAR, kFirstYear, LatestYear(), header, result);
}

void CMorePage::OnAgeSpin(NMHDR* header, LRESULT* result) {
    StepNumber(IDC_MORE_AGE, 1, HighestAge(), header, result);
}

void CMorePage::OnRemindSpin(NMHDR* header, LRESULT* result) {
    const auto* change = reinterpret_cast<const NMUPDOWN*>(header);
    const int days = std::clamp(change->iPos + change->iDelta, 0, kMostReminderDays);
    m_reminderDays = std::to_string(days);
    m_birthdayOptionsChanged = m_changed = true;
    SetDlgItemText(IDC_MORE_REMIND_DAYS, m_reminderDays);
    *result = 0;
}
