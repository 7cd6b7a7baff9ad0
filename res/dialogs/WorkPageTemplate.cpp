// The Work page: the company with the person's position and occupation, the two published
// numbers, and the work address with its map and the work home page. The read-only occupation
// and country edits lie over their lists; each form shows one of each pair.
#include "platform/controls/ComboBoxApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kImageButton = WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kSortedList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_STATIC, "Button", "Company:", kGroup, {7, 3, 304, 62}},
    {IDC_WORK_COMPANY_LABEL, "Static", "Name:", kLabel, {14, 16, 56, 8}},
    {IDC_WORK_COMPANY, "Edit", "", kEdit, {72, 14, 150, 12}},
    {IDC_WORK_DEPARTMENT_LABEL, "Static", "Div/Dept: ", kLabel, {14, 32, 56, 8}},
    {IDC_WORK_DEPARTMENT, "Edit", "", kEdit, {72, 30, 150, 12}},
    {IDC_WORK_POSITION_LABEL, "Static", "Position:", kLabel, {14, 48, 56, 8}},
    {IDC_WORK_POSITION, "Edit", "", kEdit, {72, 46, 100, 12}},
    {IDC_WORK_OCCUPATION_LABEL, "Static", "Occupation:", kLabel, {176, 48, 42, 8}},
    {IDC_WORK_OCCUPATION, "ComboBox", "", kSortedList, {220, 46, 84, 120}},
    {IDC_WORK_OCCUPATION_NAME, "Edit", "", WS_BORDER | ES_READONLY, {220, 46, 84, 12}},
    {IDC_STATIC, "Button", "Phone Directory Listings (visible to all) :", kGroup, {7, 68, 304, 30}},
    {IDC_WORK_PHONE_LABEL, "Static", "Phone:", kLabel, {14, 82, 28, 8}},
    {IDC_WORK_PHONE, "Edit", "", kEdit, {44, 80, 100, 12}},
    {IDC_WORK_PHONE_BUTTON, "Button", "", kImageButton, {146, 79, 16, 14}},
    {IDC_WORK_FAX_LABEL, "Static", "Fax:", kLabel, {168, 82, 20, 8}},
    {IDC_WORK_FAX, "Edit", "", kEdit, {190, 80, 92, 12}},
    {IDC_WORK_FAX_BUTTON, "Button", "", kImageButton, {286, 79, 16, 14}},
    {IDC_STATIC, "Button", "Work Address", kGroup, {7, 101, 304, 86}},
    {IDC_WORK_ADDRESS_LABEL, "Static", "Street Address:", kLabel, {14, 115, 56, 8}},
    {IDC_WORK_ADDRESS,
     "Edit",
     "",
     WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
     {72, 113, 150, 20}},
    {IDC_WORK_MAP, "Button", "Display Map ", WS_VISIBLE | WS_TABSTOP, {232, 113, 70, 14}},
    {IDC_WORK_CITY_LABEL, "Static", "City:", kLabel, {14, 139, 56, 8}},
    {IDC_WORK_CITY, "Edit", "", kEdit, {72, 137, 80, 12}},
    {IDC_WORK_STATE_LABEL, "Static", "State:", kLabel, {158, 139, 26, 8}},
    {IDC_WORK_STATE, "Edit", "", kEdit, {186, 137, 28, 12}},
    {IDC_WORK_ZIP_LABEL, "Static", "Zip Code:", kLabel, {220, 139, 36, 8}},
    {IDC_WORK_ZIP, "Edit", "", kEdit, {258, 137, 44, 12}},
    {IDC_WORK_COUNTRY_LABEL, "Static", "Country:", kLabel, {14, 155, 56, 8}},
    {IDC_WORK_COUNTRY, "ComboBox", "", kSortedList, {72, 153, 150, 120}},
    {IDC_WORK_COUNTRY_NAME, "Edit", "", WS_BORDER | ES_READONLY, {72, 153, 150, 12}},
    {IDC_WORK_HOMEPAGE_LABEL, "Static", "Home\nPage :", kLabel, {14, 167, 56, 16}},
    {IDC_WORK_HOMEPAGE, "Edit", "", kEdit, {72, 170, 210, 12}},
    {IDC_WORK_HOMEPAGE_BUTTON, "Button", "", kImageButton, {286, 169, 16, 14}},
};

}  // namespace

std::span<const winport::ControlTemplate> WorkPageControls() {
    return kControls;
}
