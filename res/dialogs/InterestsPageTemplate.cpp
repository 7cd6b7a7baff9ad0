// The owner's Interests page: four slots, each a check box, an "Edit" button that opens the
// host's interest picker, and a line with the category's icon, name and keywords.
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kCheck = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLine = WS_VISIBLE | SS_LEFT | SS_SUNKEN;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_INTERESTS_HINT,
     "Static",
     "Select a category of interest from the categories drop down menu. The Edit button will "
     "become active. Click Edit to add your specific interest topics.",
     kLabel,
     {7, 5, 304, 24}},
    {IDC_STATIC, "Button", "Personal Interests:", WS_VISIBLE | BS_GROUPBOX, {7, 34, 304, 110}},
    {IDC_STATIC, "Static", "Select Categories:", kLabel, {14, 47, 150, 8}},
    {IDC_INTERESTS_CHECK1, "Button", "", kCheck, {14, 62, 10, 10}},
    {IDC_INTERESTS_EDIT1, "Button", "Edit", kButton, {28, 60, 36, 14}},
    {IDC_INTERESTS_LINE1, "Static", "Static", kLine, {70, 60, 234, 14}},
    {IDC_INTERESTS_CHECK2, "Button", "", kCheck, {14, 82, 10, 10}},
    {IDC_INTERESTS_EDIT2, "Button", "Edit", kButton, {28, 80, 36, 14}},
    {IDC_INTERESTS_LINE2, "Static", "Static", kLine, {70, 80, 234, 14}},
    {IDC_INTERESTS_CHECK3, "Button", "", kCheck, {14, 102, 10, 10}},
    {IDC_INTERESTS_EDIT3, "Button", "Edit", kButton, {28, 100, 36, 14}},
    {IDC_INTERESTS_LINE3, "Static", "Static", kLine, {70, 100, 234, 14}},
    {IDC_INTERESTS_CHECK4, "Button", "", kCheck, {14, 122, 10, 10}},
    {IDC_INTERESTS_EDIT4, "Button", "Edit", kButton, {28, 120, 36, 14}},
    {IDC_INTERESTS_LINE4, "Static", "Static", kLine, {70, 120, 234, 14}},
};

}  // namespace

std::span<const winport::ControlTemplate> InterestsPageControls() {
    return kControls;
}
