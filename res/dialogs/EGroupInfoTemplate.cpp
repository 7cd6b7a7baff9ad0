// The e-mail group dialog: the group's name, number, registration page and description, the
// owner's choice to publish himself to the group, and Update with its busy animation.
#include "platform/controls/AnimationApi.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kField = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_STATIC,
     "Static",
     "Following is information  on the E-NUV you are subscribed to:",
     kLabel,
     {7, 7, 248, 8}},
    {IDC_STATIC, "Button", "E-NUV Info:", WS_VISIBLE | BS_GROUPBOX, {7, 20, 248, 112}},
    {IDC_STATIC, "Static", "E-NUV Name:", kLabel, {14, 34, 64, 8}},
    {IDC_EGROUP_NAME, "Edit", "", kField, {80, 32, 168, 12}},
    {IDC_STATIC, "Static", "E-NUV#:", kLabel, {14, 50, 64, 8}},
    {IDC_EGROUP_NUMBER, "Edit", "", kField, {80, 48, 80, 12}},
    {IDC_STATIC, "Static", "Registration Page:", kLabel, {14, 66, 64, 8}},
    {IDC_EGROUP_PAGE, "Edit", "", kField, {80, 64, 120, 12}},
    {IDC_EGROUP_GOTO, "Button", "Goto URL", kButton, {204, 63, 44, 14}},
    {IDC_STATIC, "Static", "Description:", kLabel, {14, 82, 64, 8}},
    {IDC_EGROUP_DESCRIPTION,
     "Edit",
     "",
     WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
     {80, 80, 168, 46}},
    {IDC_EGROUP_PUBLISH,
     "Button",
     "I would like my NUV# and my online status on the NUV network to be",
     WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
     {7, 138, 248, 10}},
    {IDC_STATIC,
     "Static",
     "published to other users who choose the same E-NUV.",
     kLabel,
     {19, 149, 236, 8}},
    {IDC_EGROUP_UPDATE, "Button", "Update", kButton, {7, 174, 50, 14}},
    {IDC_EGROUP_ANIMATION, ANIMATE_CLASS, "", WS_VISIBLE | ACS_TRANSPARENT, {62, 171, 20, 20}},
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {151, 174, 50, 14}},
    {IDCANCEL, "Button", "Cancel", kButton, {205, 174, 50, 14}},
};

}  // namespace

std::span<const winport::ControlTemplate> EGroupInfoDialogControls() {
    return kControls;
}
