// The Main page: the user's number with the summary button beside it, the network address (made
// invisible), the names with the display choice, and the frame the e-mail pane is laid over.
#include "platform/controls/ComboBoxApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kGroup = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_STATIC, "Button", "NUV Number", kGroup, {7, 3, 140, 30}},
    {IDC_MAIN_NUMBER_LABEL, "Static", "NUV#:", kLabel, {14, 17, 26, 8}},
    {IDC_MAIN_NUMBER, "Edit", "", kEdit | ES_READONLY | ES_CENTER, {42, 15, 70, 12}},
    {IDC_MAIN_COPY_SUMMARY,
     "Button",
     "",
     WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
     {118, 14, 16, 14}},
    {IDC_MAIN_ADDRESS_LABEL, "Static", "Current / Last IP:", SS_LEFT, {156, 17, 62, 8}},
    {IDC_MAIN_ADDRESS, "Edit", "", WS_TABSTOP | WS_BORDER | ES_READONLY, {220, 15, 90, 12}},
    {IDC_STATIC, "Button", "Name:", kGroup, {7, 37, 304, 52}},
    {IDC_MAIN_FIRST_NAME_LABEL, "Static", "First:", kLabel, {14, 51, 38, 8}},
    {IDC_MAIN_FIRST_NAME, "Edit", "", kEdit, {54, 49, 96, 12}},
    {IDC_MAIN_LAST_NAME_LABEL, "Static", "Last:", kLabel, {160, 51, 38, 8}},
    {IDC_MAIN_LAST_NAME, "Edit", "", kEdit, {200, 49, 104, 12}},
    {IDC_MAIN_NICKNAME_LABEL, "Static", "Nickname:", kLabel, {14, 69, 38, 8}},
    {IDC_MAIN_NICKNAME, "Edit", "", kEdit, {54, 67, 96, 12}},
    {IDC_MAIN_DISPLAY_LABEL, "Static", "Display:", kLabel, {160, 69, 38, 8}},
    {IDC_MAIN_DISPLAY,
     "ComboBox",
     "",
     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
     {200, 67, 104, 80}},
    {IDC_MAIN_EMAIL_GROUP, "Button", "Email Addresses", kGroup, {7, 93, 304, 94}},
};

}  // namespace

std::span<const winport::ControlTemplate> MainPageControls() {
    return kControls;
}
