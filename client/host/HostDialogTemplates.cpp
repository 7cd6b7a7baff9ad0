#include "client/host/HostDialogTemplates.h"

#include <stdexcept>

#include "platform/controls/ComboBoxApi.h"
#include "platform/core/LastError.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/resources/ResourceChain.h"

namespace nuvclient {

namespace {

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

constexpr winport::ControlTemplate kSaveConfirmationControls[] = {
    {IDC_SAVE_CONFIRMATION_QUESTION, "Static", "", WS_VISIBLE, {7, 7, 226, 18}},
    {IDC_SAVE_CONFIRMATION_EXPLANATION, "Static", "", WS_VISIBLE, {7, 30, 226, 34}},
    {IDYES, "Button", "Yes", kButton | BS_DEFPUSHBUTTON, {122, 72, 50, 14}},
    {IDNO, "Button", "No", kButton, {183, 72, 50, 14}},
};

constexpr winport::ControlTemplate kInterestPickerControls[] = {
    {-1, "Static", "&Category:", WS_VISIBLE, {7, 9, 50, 8}},
    {IDC_INTEREST_PICKER_CATEGORY,
     "ComboBox",
     "",
     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT,
     {60, 7, 150, 120}},
    {-1, "Static", "&Keywords:", WS_VISIBLE, {7, 27, 50, 8}},
    {IDC_INTEREST_PICKER_KEYWORDS,
     "Edit",
     "",
     WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
     {60, 25, 150, 12}},
    {IDOK, "Button", "OK", kButton | BS_DEFPUSHBUTTON, {99, 46, 50, 14}},
    {IDCANCEL, "Button", "Cancel", kButton, {160, 46, 50, 14}},
};

constexpr winport::ControlTemplate kHistoryControls[] = {
    {IDC_HISTORY_FIRST_LABEL, "Static", "", WS_VISIBLE, {7, 9, 150, 8}},
    {IDC_HISTORY_FIRST, "Static", "", WS_VISIBLE, {160, 9, 140, 8}},
    {-1, "Static", "Details last fetched from the directory:", WS_VISIBLE, {7, 25, 150, 8}},
    {IDC_HISTORY_FETCHED, "Static", "", WS_VISIBLE, {160, 25, 140, 8}},
    {-1, "Static", "What changed then:", WS_VISIBLE, {7, 41, 150, 8}},
    {IDC_HISTORY_CHANGES, "Static", "", WS_VISIBLE, {160, 41, 140, 60}},
    {IDC_HISTORY_KEEP,
     "Button",
     "&Keep track of what changes when the details are fetched",
     WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
     {7, 110, 290, 10}},
};

constexpr winport::DialogTemplate kDialogs[] = {
    {IDD_SAVE_CONFIRMATION,
     "Confirm Upload",
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
     {0, 0, 240, 93},
     kSaveConfirmationControls},
    {IDD_INTEREST_PICKER,
     "Interest",
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
     {0, 0, 217, 67},
     kInterestPickerControls},
    {IDD_HISTORY_PAGE, "", WS_CHILD | DS_CONTROL, {0, 0, 318, 190}, kHistoryControls},
};

constexpr winport::ResourceTable kTable{"host client dialogs", kDialogs, {}, {}, {}};

}  // namespace

HostDialogTemplates::HostDialogTemplates() {
    if (!winport::AddResourceTable(kTable)) throw std::runtime_error(winport::GetLastErrorText());
}

HostDialogTemplates::~HostDialogTemplates() {
    winport::RemoveResourceTable(kTable);
}

}  // namespace nuvclient
