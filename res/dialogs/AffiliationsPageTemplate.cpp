// The Affiliations page: three rows of organizations, affiliations and groups, and three of past
// background; each row a check box, a category list and the keywords.
#include "platform/controls/ComboBoxApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kCheck = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kSortedList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_AFFIL_HINT,
     "Static",
     "Select up to three categories and enter keywords to describe specific interests",
     kLabel,
     {7, 5, 304, 8}},
    {IDC_STATIC, "Button", "Organization, Affiliation, Group:", kGroup, {7, 18, 304, 76}},
    {IDC_STATIC, "Static", "Enter Name(s) or Keywords:", kLabel, {150, 30, 150, 8}},
    {IDC_AFFIL_GROUP_CHECK1, "Button", "", kCheck, {14, 43, 10, 10}},
    {IDC_AFFIL_GROUP_LIST1, "ComboBox", "", kSortedList, {28, 42, 114, 120}},
    {IDC_AFFIL_GROUP_TEXT1, "Edit", "", kEdit, {150, 42, 154, 12}},
    {IDC_AFFIL_GROUP_CHECK2, "Button", "", kCheck, {14, 59, 10, 10}},
    {IDC_AFFIL_GROUP_LIST2, "ComboBox", "", kSortedList, {28, 58, 114, 120}},
    {IDC_AFFIL_GROUP_TEXT2, "Edit", "", kEdit, {150, 58, 154, 12}},
    {IDC_AFFIL_GROUP_CHECK3, "Button", "", kCheck, {14, 75, 10, 10}},
    {IDC_AFFIL_GROUP_LIST3, "ComboBox", "", kSortedList, {28, 74, 114, 120}},
    {IDC_AFFIL_GROUP_TEXT3, "Edit", "", kEdit, {150, 74, 154, 12}},
    {IDC_STATIC, "Button", "Past Background:", kGroup, {7, 100, 304, 66}},
    {IDC_AFFIL_PAST_CHECK1, "Button", "", kCheck, {14, 115, 10, 10}},
    {IDC_AFFIL_PAST_LIST1, "ComboBox", "", kSortedList, {28, 114, 114, 120}},
    {IDC_AFFIL_PAST_TEXT1, "Edit", "", kEdit, {150, 114, 154, 12}},
    {IDC_AFFIL_PAST_CHECK2, "Button", "", kCheck, {14, 131, 10, 10}},
    {IDC_AFFIL_PAST_LIST2, "ComboBox", "", kSortedList, {28, 130, 114, 120}},
    {IDC_AFFIL_PAST_TEXT2, "Edit", "", kEdit, {150, 130, 154, 12}},
    {IDC_AFFIL_PAST_CHECK3, "Button", "", kCheck, {14, 147, 10, 10}},
    {IDC_AFFIL_PAST_LIST3, "ComboBox", "", kSortedList, {28, 146, 114, 120}},
    {IDC_AFFIL_PAST_TEXT3, "Edit", "", kEdit, {150, 146, 154, 12}},
};

}  // namespace

std::span<const winport::ControlTemplate> AffiliationsPageControls() {
    return kControls;
}
