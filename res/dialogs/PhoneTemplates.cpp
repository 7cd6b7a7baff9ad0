// The phone location dialog: the whole number on top, then its parts in a frame.
#include "platform/controls/ComboBoxApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP;

constexpr winport::ControlTemplate kPhoneLocationDialog[] = {
    {IDC_PHONE_PREVIEW, "Edit", "", kEdit | ES_READONLY, {7, 7, 196, 12}},
    {IDC_STATIC, "Button", "Phone Location Details", WS_VISIBLE | BS_GROUPBOX, {7, 24, 196, 96}},
    {IDC_STATIC, "Static", "Location Name:", kLabel, {14, 38, 60, 8}},
    {IDC_PHONE_LOCATION_NAME, "Edit", "", kEdit, {80, 36, 116, 12}},
    {IDC_STATIC, "Static", "Country:", kLabel, {14, 54, 60, 8}},
    {IDC_PHONE_COUNTRY,
     "ComboBox",
     "",
     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT,
     {80, 52, 116, 120}},
    {IDC_STATIC, "Static", "City/Area Code:", kLabel, {14, 70, 60, 8}},
    {IDC_PHONE_AREA, "Edit", "", kEdit, {80, 68, 40, 12}},
    {IDC_STATIC, "Static", "Local Number:", kLabel, {14, 86, 60, 8}},
    {IDC_PHONE_LOCAL, "Edit", "", kEdit, {80, 84, 70, 12}},
    {IDC_STATIC, "Static", "Extension:", kLabel, {14, 102, 60, 8}},
    {IDC_PHONE_EXTENSION, "Edit", "", kEdit, {80, 100, 40, 12}},
    {IDOK, "Button", "&OK", kButton | BS_DEFPUSHBUTTON, {96, 128, 50, 14}},
    {IDCANCEL, "Button", "&Cancel", kButton | BS_PUSHBUTTON, {153, 128, 50, 14}},
};

}  // namespace

std::span<const winport::ControlTemplate> PhoneLocationDialogControls() {
    return kPhoneLocationDialog;
}
