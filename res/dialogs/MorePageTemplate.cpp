// The More page: the home page with its category, gender and age; the birth date with the
// zodiac sign and the birthday options; the spoken languages. Each read-only text lies over the
// list the owner's form shows in its place, and the reminder lies over the notification.
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/UpDownApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kNumber = kEdit | ES_NUMBER | ES_CENTER;
constexpr DWORD kText = WS_BORDER | ES_READONLY | ES_CENTER;
constexpr DWORD kList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kSpin = WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_STATIC, "Button", "Additional Details:", kGroup, {7, 3, 304, 52}},
    {IDC_MORE_HOMEPAGE_LABEL, "Static", "Homepage:", kLabel, {14, 16, 40, 8}},
    {IDC_MORE_HOMEPAGE, "Edit", "", kEdit, {56, 14, 200, 12}},
    {IDC_MORE_HOMEPAGE_BUTTON, "Button", "", kButton | BS_OWNERDRAW, {260, 13, 16, 14}},
    {IDC_MORE_GENDER_LABEL, "Static", "Gender:", kLabel, {14, 36, 40, 8}},
    {IDC_MORE_GENDER, "ComboBox", "", kList, {56, 34, 70, 80}},
    {IDC_MORE_GENDER_NAME, "Edit", "", kText, {56, 34, 70, 12}},
    {IDC_MORE_AGE_LABEL, "Static", "Age:", kLabel, {134, 36, 20, 8}},
    {IDC_MORE_AGE, "Edit", "", kNumber, {156, 34, 30, 12}},
    {IDC_MORE_AGE_SPIN, "msctls_updown32", "", kSpin, {186, 34, 10, 12}},
    {IDC_MORE_HOMEPAGE_CATEGORY, "Button", "Homepage Category", kButton, {220, 33, 84, 14}},
    {IDC_STATIC, "Button", "Birth Date && Horoscope :", kGroup, {7, 58, 304, 74}},
    {IDC_MORE_MONTH_LABEL, "Static", "Month:", kLabel, {14, 72, 28, 8}},
    {IDC_MORE_MONTH, "ComboBox", "", kList, {44, 70, 70, 150}},
    {IDC_MORE_MONTH_NAME, "Edit", "", kText, {44, 70, 70, 12}},
    {IDC_MORE_DAY_LABEL, "Static", "Day:", kLabel, {122, 72, 18, 8}},
    {IDC_MORE_DAY, "ComboBox", "", kList | CBS_DISABLENOSCROLL, {142, 70, 34, 150}},
    {IDC_MORE_DAY_TEXT, "Edit", "", kText, {142, 70, 34, 12}},
    {IDC_MORE_YEAR_LABEL, "Static", "Year:", kLabel, {184, 72, 20, 8}},
    {IDC_MORE_YEAR, "Edit", "", kNumber, {206, 70, 36, 12}},
    {IDC_MORE_YEAR_SPIN, "msctls_updown32", "", kSpin, {242, 70, 10, 12}},
    {IDC_MORE_ZODIAC_LABEL, "Static", "Zodiac Sign:", kLabel, {14, 94, 44, 8}},
    {IDC_MORE_ZODIAC, "Static", "", WS_VISIBLE | SS_ICON | SS_CENTERIMAGE, {60, 88, 16, 16}},
    {IDC_MORE_HOROSCOPE, "Button", "View Horoscope", kButton, {90, 91, 64, 14}},
    {IDC_MORE_NOTIFY_BIRTHDAY,
     "Button",
     "Notify Everyone on the day of my birthday",
     kButton | BS_AUTOCHECKBOX,
     {14, 116, 200, 10}},
    {IDC_MORE_REMIND, "Button", "Remind me", kButton | BS_AUTOCHECKBOX, {14, 116, 46, 10}},
    {IDC_MORE_REMIND_DAYS, "Edit", "", kText | WS_VISIBLE, {62, 115, 16, 12}},
    {IDC_MORE_REMIND_SPIN, "msctls_updown32", "", kSpin, {78, 115, 10, 12}},
    {IDC_MORE_REMIND_LABEL, "Static", "days before the birth date", kLabel, {92, 117, 100, 8}},
    {IDC_STATIC, "Button", "Spoken Languages:", kGroup, {7, 136, 304, 34}},
    {IDC_MORE_LANGUAGE1, "ComboBox", "", kList | CBS_SORT, {14, 150, 92, 120}},
    {IDC_MORE_LANGUAGE2, "ComboBox", "", kList | CBS_SORT, {112, 150, 92, 120}},
    {IDC_MORE_LANGUAGE3, "ComboBox", "", kList | CBS_SORT, {210, 150, 92, 120}},
    {IDC_MORE_LANGUAGE1_NAME, "Edit", "", kText, {14, 150, 92, 12}},
    {IDC_MORE_LANGUAGE2_NAME, "Edit", "", kText, {112, 150, 92, 12}},
    {IDC_MORE_LANGUAGE3_NAME, "Edit", "", kText, {210, 150, 92, 12}},
};

}  // namespace

std::span<const winport::ControlTemplate> MorePageControls() {
    return kControls;
}
