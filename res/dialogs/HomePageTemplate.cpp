// The Home page: the home address with its map button, the three published numbers each with
// its phone location button, and the time zone with the two local times. The read-only country
// edit lies over the country list; each form shows one of them.
#include "platform/controls/ComboBoxApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kTime = WS_VISIBLE | WS_BORDER | ES_READONLY | ES_CENTER;
constexpr DWORD kImageButton = WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_STATIC, "Button", "Home Address", kGroup, {7, 3, 304, 70}},
    {IDC_HOME_ADDRESS_LABEL, "Static", "Street Address:", kLabel, {14, 16, 56, 8}},
    {IDC_HOME_ADDRESS,
     "Edit",
     "",
     WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
         ES_WANTRETURN,
     {72, 14, 150, 20}},
    {IDC_HOME_MAP, "Button", "Display Map ", WS_VISIBLE | WS_TABSTOP, {232, 14, 70, 14}},
    {IDC_HOME_CITY_LABEL, "Static", "City:", kLabel, {14, 40, 56, 8}},
    {IDC_HOME_CITY, "Edit", "", kEdit, {72, 38, 80, 12}},
    {IDC_HOME_STATE_LABEL, "Static", "State:", kLabel, {158, 40, 26, 8}},
    {IDC_HOME_STATE, "Edit", "", kEdit, {186, 38, 28, 12}},
    {IDC_HOME_ZIP_LABEL, "Static", "Zip Code:", kLabel, {220, 40, 36, 8}},
    {IDC_HOME_ZIP, "Edit", "", kEdit, {258, 38, 44, 12}},
    {IDC_HOME_COUNTRY_LABEL, "Static", "Country:", kLabel, {14, 57, 56, 8}},
    {IDC_HOME_COUNTRY, "ComboBox", "", kList | CBS_SORT, {72, 55, 150, 120}},
    {IDC_HOME_COUNTRY_NAME, "Edit", "", WS_BORDER | ES_READONLY, {72, 55, 150, 12}},
    {IDC_STATIC, "Button", "Phone Directory Listings (visible to all)", kGroup, {7, 76, 304, 62}},
    {IDC_HOME_PHONE_LABEL, "Static", "Phone:", kLabel, {14, 90, 56, 8}},
    {IDC_HOME_PHONE, "Edit", "", kEdit, {72, 88, 130, 12}},
    {IDC_HOME_PHONE_BUTTON, "Button", "", kImageButton, {206, 87, 16, 14}},
    {IDC_HOME_FAX_LABEL, "Static", "Fax:", kLabel, {14, 106, 56, 8}},
    {IDC_HOME_FAX, "Edit", "", kEdit, {72, 104, 130, 12}},
    {IDC_HOME_FAX_BUTTON, "Button", "", kImageButton, {206, 103, 16, 14}},
    {IDC_HOME_CELL_LABEL, "Static", "Cellular:", kLabel, {14, 122, 56, 8}},
    {IDC_HOME_CELL, "Edit", "", kEdit, {72, 120, 130, 12}},
    {IDC_HOME_CELL_BUTTON, "Button", "", kImageButton, {206, 119, 16, 14}},
    {IDC_STATIC, "Button", "Local Time", kGroup, {7, 141, 304, 46}},
    {IDC_HOME_GMT_LABEL, "Static", "GMT Offset:", kLabel, {14, 155, 56, 8}},
    {IDC_HOME_TIME_ZONE, "ComboBox", "", kList, {72, 153, 80, 150}},
    {IDC_HOME_OVERRIDE_GMT,
     "Button",
     "Override user GMT settings",
     WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
     {160, 154, 140, 10}},
    {IDC_HOME_YOUR_TIME_LABEL, "Static", "Your Time:", kLabel, {14, 172, 56, 8}},
    {IDC_HOME_YOUR_TIME, "Edit", "", kTime, {72, 170, 60, 12}},
    {IDC_HOME_USER_TIME_LABEL, "Static", "User Time:", kLabel, {160, 172, 40, 8}},
    {IDC_HOME_USER_TIME, "Edit", "", kTime, {202, 170, 60, 12}},
};

}  // namespace

std::span<const winport::ControlTemplate> HomePageControls() {
    return kControls;
}
