#include "pages/personal/MorePage.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/reference/ImageLists.h"
#include "hostlib/reference/ReferenceCombos.h"
#include "hostlib/res/HostResourceIds.h"
#include "hostlib/util/Astrology.h"
#include "hostlib/util/HostStrings.h"
#include "hostlib/util/Time.h"
#include "hostlib/util/Validators.h"
#include "module/HostNumbers.h"
#include "module/ModuleState.h"
#include "module/TextBlanks.h"
#include "module/host/HostStringIds.h"
#include "pages/PageFonts.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/UpDownApi.h"
#include "platform/dialog/DialogApi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageList.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kLabels[] = {IDC_MORE_HOMEPAGE_LABEL, IDC_MORE_GENDER_LABEL, IDC_MORE_AGE_LABEL,
                           IDC_MORE_MONTH_LABEL,    IDC_MORE_DAY_LABEL,    IDC_MORE_YEAR_LABEL,
                           IDC_MORE_ZODIAC_LABEL};
constexpr int kLanguageLists[] = {IDC_MORE_LANGUAGE1, IDC_MORE_LANGUAGE2, IDC_MORE_LANGUAGE3};
constexpr int kLanguageNames[] = {IDC_MORE_LANGUAGE1_NAME, IDC_MORE_LANGUAGE2_NAME,
                                  IDC_MORE_LANGUAGE3_NAME};
// The lists of the owner's form, and the read-only texts that lie over them in a contact's.
constexpr int kOwnerFormItems[] = {IDC_MORE_MONTH,     IDC_MORE_DAY,       IDC_MORE_LANGUAGE1,
                                   IDC_MORE_LANGUAGE2, IDC_MORE_LANGUAGE3, IDC_MORE_GENDER,
                                   IDC_MORE_YEAR_SPIN, IDC_MORE_AGE_SPIN};
constexpr int kContactFormItems[] = {
    IDC_MORE_GENDER_NAME, IDC_MORE_LANGUAGE1_NAME, IDC_MORE_LANGUAGE2_NAME, IDC_MORE_LANGUAGE3_NAME,
    IDC_MORE_MONTH_NAME,  IDC_MORE_DAY_TEXT,       IDC_MORE_REMIND_SPIN};
// Shown in a contact's form only: the reminder; in the owner's the notification instead.
constexpr int kReminderItems[] = {IDC_MORE_REMIND, IDC_MORE_REMIND_DAYS, IDC_MORE_REMIND_LABEL,
                                  IDC_MORE_REMIND_SPIN};
// Edits the owner types into; read-only for a contact.
constexpr int kOwnerEdits[] = {
    IDC_MORE_HOMEPAGE,       IDC_MORE_AGE,        IDC_MORE_LANGUAGE1_NAME, IDC_MORE_LANGUAGE2_NAME,
    IDC_MORE_LANGUAGE3_NAME, IDC_MORE_MONTH_NAME, IDC_MORE_DAY_TEXT,       IDC_MORE_YEAR};
constexpr int kHomepageLimit = 100;
constexpr int kAgeLimit = 3;
constexpr int kYearLimit = 4;
constexpr int kMonths = 12;
constexpr int kZodiacImages = 13;

}  // namespace

long CMorePage::NumberIn(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

const winport::Route<CMorePage> CMorePage::kRoutes[] = {
    {WM_COMMAND, EN_CHANGE, IDC_MORE_AGE, &CMorePage::OnAgeChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MORE_YEAR, &CMorePage::OnYearChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_MORE_MONTH, &CMorePage::OnMonthChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_MORE_DAY, &CMorePage::OnDayChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MORE_DAY_TEXT, &CMorePage::OnDayChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MORE_HOMEPAGE, &CMorePage::OnHomepageChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_MORE_GENDER, &CMorePage::OnDetailsChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_MORE_LANGUAGE1, &CMorePage::OnDetailsChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_MORE_LANGUAGE2, &CMorePage::OnDetailsChanged},
    {WM_COMMAND, CBN_SELCHANGE, IDC_MORE_LANGUAGE3, &CMorePage::OnDetailsChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MORE_MONTH_NAME, &CMorePage::OnDetailsChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MORE_LANGUAGE1_NAME, &CMorePage::OnDetailsChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MORE_LANGUAGE2_NAME, &CMorePage::OnDetailsChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MORE_LANGUAGE3_NAME, &CMorePage::OnDetailsChanged},
    {WM_COMMAND, BN_CLICKED, IDC_MORE_NOTIFY_BIRTHDAY, &CMorePage::OnNotifyClicked},
    {WM_COMMAND, BN_CLICKED, IDC_MORE_REMIND, &CMorePage::OnRemindClicked},
    {WM_COMMAND, BN_CLICKED, IDC_MORE_HOMEPAGE_BUTTON, &CMorePage::OnOpenHomepage},
    {WM_COMMAND, BN_CLICKED, IDC_MORE_HOMEPAGE_CATEGORY, &CMorePage::OnHomepageCategory},
    {WM_COMMAND, BN_CLICKED, IDC_MORE_HOROSCOPE, &CMorePage::OnHoroscope},
    {WM_NOTIFY, UDN_DELTAPOS, IDC_MORE_YEAR_SPIN, &CMorePage::OnYearSpin},
    {WM_NOTIFY, UDN_DELTAPOS, IDC_MORE_AGE_SPIN, &CMorePage::OnAgeSpin},
    {WM_NOTIFY, UDN_DELTAPOS, IDC_MORE_REMIND_SPIN, &CMorePage::OnRemindSpin},
};

CMorePage::CMorePage(BCUserInfo* user, bool editable, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_MORE_PAGE, editable, data, parent) {
    const std::chrono::year_month_day today = BCTime::Today();
    m_todayYear = static_cast<int>(today.year());
    m_todayMonth = static_cast<int>(static_cast<unsigned>(today.month()));
    m_todayDay = static_cast<int>(static_cast<unsigned>(today.day()));
}

CMorePage::~CMorePage() {
    if (m_labelFont) DeleteObject(m_labelFont);
    if (m_zodiacImages) ImageList_Destroy(m_zodiacImages);
}

BOOL CMorePage::OnInitDialog() {
    CRecordPage::OnInitDialog();
    m_homepageButton.SubclassDlgItem(IDC_MORE_HOMEPAGE_BUTTON, this);
    if (MIHostServices* services = ModuleState().hostServices)
        m_homepageButton.SetImageList(0, services->GetSmallImageList(), kWebPageImage, TRUE);
    m_labelFont = GiveFontVariant(m_hWnd, IDC_MORE_HOMEPAGE_LABEL, kLabels,
                                  [](LOGFONT& font) { font.lfWeight = kSemiBoldWeight; });
    m_zodiacImages = CreateImageList(IDB_BC_ZODIAC, kZodiacImages);
    m_zodiacImage.SubclassDlgItem(IDC_MORE_ZODIAC, this);
    ShowForm();
    SetUpSpins();
    const HWND months = ::GetDlgItem(m_hWnd, IDC_MORE_MONTH);
    // The entry index is the month number; entry 0 is no month.
    for (int month = 0; month <= kMonths; ++month)
        ::SendMessage(months, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetMonthString(month)));
    if (m_editable) {
        SetGenderCombo(::GetDlgItem(m_hWnd, IDC_MORE_GENDER));
        for (const int id : kLanguageLists) SetLanguagesCombo(::GetDlgItem(m_hWnd, id));
    }
    PageReload();
    return TRUE;
}

void CMorePage::ShowForm() {
    const auto show = [this](int id, bool shown) {
        ::ShowWindow(::GetDlgItem(m_hWnd, id), shown ? SW_SHOW : SW_HIDE);
        ::EnableWindow(::GetDlgItem(m_hWnd, id), shown ? TRUE : FALSE);
    };
    for (const int id : kReminderItems) show(id, !m_editable);
    show(IDC_MORE_NOTIFY_BIRTHDAY, m_editable);
    for (const int id : kOwnerFormItems) show(id, m_editable);
    for (const int id : kContactFormItems) show(id, !m_editable);
    for (const int id : kOwnerEdits)
        ::SendDlgItemMessage(m_hWnd, id, EM_SETREADONLY, m_editable ? FALSE : TRUE, 0);
    // The reminder days change by their spin alone.
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_REMIND_DAYS, EM_SETREADONLY, TRUE, 0);
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_HOMEPAGE, EM_LIMITTEXT, kHomepageLimit, 0);
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_AGE, EM_LIMITTEXT, kAgeLimit, 0);
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_YEAR, EM_LIMITTEXT, kYearLimit, 0);
    EnableReminderDays();
}

void CMorePage::SetUpSpins() {
    const struct {
        int spin;
        int buddy;
    } pairs[] = {{IDC_MORE_YEAR_SPIN, IDC_MORE_YEAR},
                 {IDC_MORE_AGE_SPIN, IDC_MORE_AGE},
                 {IDC_MORE_REMIND_SPIN, IDC_MORE_REMIND_DAYS}};
    for (const auto& [spin, buddy] : pairs) {
        ::SendDlgItemMessage(m_hWnd, spin, UDM_SETBUDDY,
                             reinterpret_cast<WPARAM>(::GetDlgItem(m_hWnd, buddy)), 0);
    }
}

void CMorePage::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_MORE_HOMEPAGE, m_homepage);
    DDX_Text(dx, IDC_MORE_GENDER_NAME, m_genderName);
    DDX_Text(dx, IDC_MORE_AGE, m_age);
    DDX_Text(dx, IDC_MORE_YEAR, m_year);
    DDX_Text(dx, IDC_MORE_MONTH_NAME, m_monthName);
    DDX_Text(dx, IDC_MORE_DAY_TEXT, m_dayText);
    DDX_Text(dx, IDC_MORE_REMIND_DAYS, m_reminderDays);
    for (int i = 0; i < kLanguages; ++i) DDX_Text(dx, kLanguageNames[i], m_languageNames[i]);
}

void CMorePage::PageReload() {
    if (m_data) Load(*m_data);
}

void CMorePage::Load(MCVariantPropertySet& data) {
    const std::string homepage = data["HomeHomepage"];
    SetDlgItemText(IDC_MORE_HOMEPAGE, homepage);
    m_description = std::string(data["HomepageDescription"]);
    m_category = data["HomepageCategory"];
    const int day = data["BirthDay"];
    const int month = data["BirthMonth"];
    const int year = data["BirthYear"];
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_MORE_HOMEPAGE_BUTTON), homepage.empty() ? FALSE : TRUE);
    if (m_editable) {
        LoadOwner(data);
    } else {
        LoadContact(data, day, month, year);
    }
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_MONTH, CB_SETCURSEL, static_cast<WPARAM>(month), 0);
    FillDays();
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_DAY, CB_SETCURSEL, static_cast<WPARAM>(day), 0);
    // The year's handler shows the age that goes with it; the stored age is never read.
    SetDlgItemText(IDC_MORE_YEAR, year > 0 ? std::to_string(year) : "");
    m_changed = m_detailsChanged = m_categoryChanged = m_birthdayOptionsChanged = false;
    UpdateData(TRUE);
    SetSpinRanges();
    ShowSign();
}

void CMorePage::LoadOwner(MCVariantPropertySet& data) {
    m_storedGender = data["Gender"];
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_GENDER, CB_SETCURSEL, static_cast<WPARAM>(m_storedGender),
                         0);
    for (int i = 0; i < kLanguages; ++i) {
        const unsigned char code = data["Language"][i];
        m_storedLanguages[i] = code;
        const HWND list = ::GetDlgItem(m_hWnd, kLanguageLists[i]);
        ::SendMessage(list, CB_SETCURSEL, static_cast<WPARAM>(GetLanguageComboIndex(list, code)),
                      0);
    }
    const bool broadcast = data["BroadcastBDay"];
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_NOTIFY_BIRTHDAY, BM_SETCHECK,
                         broadcast ? BST_CHECKED : BST_UNCHECKED, 0);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_MORE_HOMEPAGE_CATEGORY), TRUE);
}

void CMorePage::LoadContact(MCVariantPropertySet& data, int day, int month, int year) {
    const unsigned char gender = data["Gender"];
    SetDlgItemText(IDC_MORE_GENDER_NAME, GetGenderName(gender));
    for (int i = 0; i < kLanguages; ++i) {
        const unsigned char code = data["Language"][i];
        SetDlgItemText(kLanguageNames[i], GetLanguageName(code));
    }
    SetDlgItemText(IDC_MORE_MONTH_NAME, GetMonthString(month));
    char dayText[16] = "";
    if (day > 0) std::snprintf(dayText, sizeof dayText, "%02d", day);
    SetDlgItemText(IDC_MORE_DAY_TEXT, dayText);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_MORE_HOMEPAGE_CATEGORY), m_category > 0 ? TRUE : FALSE);
    const unsigned int reminderDays = data["BirthDayReminderDays"];
    SetDlgItemText(IDC_MORE_REMIND_DAYS, std::to_string(reminderDays));
    const bool remind = data["BirthDayReminder"];
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_REMIND, BM_SETCHECK, remind ? BST_CHECKED : BST_UNCHECKED,
                         0);
    const bool knownBirthday = day >= 1 && month >= 1 && year > 0;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_MORE_REMIND), knownBirthday ? TRUE : FALSE);
    EnableReminderDays();
}

int CMorePage::SelectedIndex(int comboId) const {
    const LRESULT selection = ::SendDlgItemMessage(m_hWnd, comboId, CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

int CMorePage::PageCommit() {
    if (!m_data) return 1;
    MCVariantPropertySet& data = *m_data;
    if (m_editable && m_detailsChanged) SaveOwner(data);
    if (m_editable && m_categoryChanged) {
        data["HomepageDescription"] = m_description;
        data["HomepageCategory"] = m_category;
        MarkForUpload(data, UploadSection::HomepageCategory);
    }
    if (m_birthdayOptionsChanged) {
        if (m_editable) {
            data["BroadcastBDay"] = ::SendDlgItemMessage(m_hWnd, IDC_MORE_NOTIFY_BIRTHDAY,
                                                         BM_GETCHECK, 0, 0) == BST_CHECKED;
        } else {
            data["BirthDayReminderDays"] = static_cast<int>(NumberIn(m_reminderDays));
            // A changed reminder may remind again.
            data["AlreadyRemindedBirthday"] = false;
            data["BirthDayReminder"] =
                ::SendDlgItemMessage(m_hWnd, IDC_MORE_REMIND, BM_GETCHECK, 0, 0) == BST_CHECKED;
        }
    }
    m_changed = m_detailsChanged = m_categoryChanged = m_birthdayOptionsChanged = false;
    return 1;
}

void CMorePage::SaveOwner(MCVariantPropertySet& data) {
    UpdateData(TRUE);
    for (std::string* text : {&m_age, &m_year, &m_homepage}) StripLeadingWhitespace(*text);
    data["HomeHomepage"] = m_homepage;
    data["BirthDay"] = static_cast<unsigned char>(std::max(SelectedIndex(IDC_MORE_DAY), 0));
    data["BirthMonth"] = static_cast<unsigned char>(std::max(SelectedIndex(IDC_MORE_MONTH), 0));
    data["BirthYear"] = static_cast<unsigned short>(NumberIn(m_year));
    for (int i = 0; i < kLanguages; ++i) {
        const HWND list = ::GetDlgItem(m_hWnd, kLanguageLists[i]);
        // A code the list has no entry for is the record's, not the person's choice.
        int code = m_storedLanguages[i];
        if (::SendMessage(list, CB_GETCURSEL, 0, 0) != CB_ERR)
            code = static_cast<int>(std::max<LONG_PTR>(GetComboCurSelValue(list), 0));
        data["Language"][i] = static_cast<unsigned char>(code);
    }
    const int gender = SelectedIndex(IDC_MORE_GENDER);
    data["Gender"] = static_cast<unsigned char>(gender >= 0 ? gender : m_storedGender);
    data["Age"] = static_cast<int>(NumberIn(m_age));
    MarkForUpload(data, UploadSection::Personal);
}

int CMorePage::PageValidate() {
    if (!m_changed) return -1;
    UpdateData(TRUE);
    // The birthday options and the category carry nothing to check.
    if (!m_editable || !m_detailsChanged) return 1;
    for (std::string* text : {&m_age, &m_year, &m_homepage}) StripLeadingWhitespace(*text);
    if (!m_age.empty() && !BIsValidIntegerEntry(m_age.c_str(), "Age", 1, HighestAge(), m_hWnd))
        return 0;
    if (!m_year.empty() &&
        !BIsValidIntegerEntry(m_year.c_str(), "Birth Year", 1900, LatestYear(), m_hWnd))
        return 0;
    return CheckBirthDate() ? 1 : 0;
}

// A birth date is whole or absent: a day and a month go with a year.
bool CMorePage::CheckBirthDate() {
    const bool day = SelectedIndex(IDC_MORE_DAY) > 0;
    const bool month = SelectedIndex(IDC_MORE_MONTH) > 0;
    if (!day && !month) return true;
    if (day && month && !m_year.empty()) return true;
    BResourceMessageBox(kIncompleteBirthDateText, kIncompleteBirthDateCaption, MB_ICONEXCLAMATION,
                        m_hWnd);
    return false;
}

void CMorePage::PageClear() {
    for (const int id : {IDC_MORE_HOMEPAGE, IDC_MORE_AGE, IDC_MORE_YEAR}) SetDlgItemText(id, "");
    ::SendDlgItemMessage(m_hWnd, IDC_MORE_GENDER, CB_SETCURSEL, 0, 0);
    for (const int id :
         {IDC_MORE_DAY, IDC_MORE_MONTH, IDC_MORE_LANGUAGE1, IDC_MORE_LANGUAGE2, IDC_MORE_LANGUAGE3})
        ::SendDlgItemMessage(m_hWnd, id, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    m_storedGender = 0;
    for (int& code : m_storedLanguages) code = 0;
    m_description.clear();
    m_category = 0;
    m_changed = m_detailsChanged = m_categoryChanged = true;
    UpdateData(TRUE);
}

std::optional<LRESULT> CMorePage::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CRecordPage::OnMessage(m);
}
