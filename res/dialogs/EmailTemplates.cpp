// The e-mail panes lay their list beside a column of buttons; the address dialogs show the
// symbol that marks an address in the list below the address.
#include "res/dialogs/EmailTemplates.h"

#include "platform/controls/ListViewApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"

namespace {

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLabel = WS_VISIBLE;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kSymbol = WS_VISIBLE | SS_BITMAP;
// No header, one row at a time, the selection shown while the focus is elsewhere.
constexpr DWORD kEmailList = WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                             LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER | LVS_OWNERDRAWFIXED |
                             LVS_SHAREIMAGELISTS;

constexpr winport::ControlTemplate kContactPane[] = {
    {IDC_CONTACT_EMAIL_LIST, WC_LISTVIEW, "", kEmailList, {0, 0, 230, 62}},
    {IDC_CONTACT_EMAIL_ADD, "Button", "Add", kButton, {236, 0, 58, 14}},
    {IDC_CONTACT_EMAIL_EDIT, "Button", "Edit", kButton | WS_DISABLED, {236, 16, 58, 14}},
    {IDC_CONTACT_EMAIL_REMOVE, "Button", "Remove", kButton | WS_DISABLED, {236, 32, 58, 14}},
    {IDC_CONTACT_EMAIL_DEFAULT,
     "Button",
     "Set as Default",
     kButton | WS_DISABLED,
     {236, 48, 58, 14}},
};

constexpr winport::ControlTemplate kOwnerPane[] = {
    {IDC_OWNER_EMAIL_PRIMARY_LABEL, "Static", "Primary Email: ", kLabel, {0, 2, 52, 8}},
    {IDC_OWNER_EMAIL_PRIMARY, "Edit", "", kEdit | WS_DISABLED, {54, 0, 176, 12}},
    {IDC_OWNER_EMAIL_LIST, WC_LISTVIEW, "", kEmailList, {0, 16, 230, 50}},
    {IDC_OWNER_EMAIL_ADD, "Button", "Add", kButton, {236, 0, 58, 14}},
    {IDC_OWNER_EMAIL_EDIT, "Button", "Edit", kButton | WS_DISABLED, {236, 16, 58, 14}},
    {IDC_OWNER_EMAIL_REMOVE, "Button", "Remove", kButton | WS_DISABLED, {236, 32, 58, 14}},
    {IDC_OWNER_EMAIL_PRIMARY_BUTTON,
     "Button",
     "Set As Primary",
     kButton | WS_DISABLED,
     {236, 48, 58, 14}},
};

constexpr winport::ControlTemplate kContactDialog[] = {
    {IDC_STATIC,
     "Static",
     "Enter an additional Email address for this user :",
     kLabel,
     {7, 7, 216, 8}},
    {IDC_STATIC, "Static", "Email:", kLabel, {7, 22, 24, 8}},
    {IDC_CONTACT_EMAIL_ADDRESS, "Edit", "", kEdit, {34, 20, 189, 12}},
    {IDC_CONTACT_EMAIL_IS_DEFAULT,
     "Button",
     "Set this Email address as default.",
     kCheckBox,
     {7, 38, 216, 10}},
    {IDC_STATIC,
     "Static",
     "The user default Email address will be marked",
     kLabel,
     {7, 56, 170, 8}},
    {IDC_STATIC, "Static", "with the following symbol:", kLabel, {7, 66, 100, 8}},
    {IDC_STATIC, "Static", "", kSymbol, {110, 63, 11, 11}},
    {IDOK, "Button", "Add / Edit", kButton | BS_DEFPUSHBUTTON, {116, 89, 50, 14}},
    {IDCANCEL, "Button", "Cancel", kButton, {173, 89, 50, 14}},
};

constexpr winport::ControlTemplate kOwnerDialog[] = {
    {IDC_STATIC,
     "Static",
     "Note that the password retrieval service may be of help only in certain cases, and only "
     "using an email address or addresses that were or are entered in the Email field of the "
     "NUV number User Details.",
     kLabel,
     {7, 7, 246, 32}},
    {IDC_STATIC, "Static", "Enter an additional Email address:", kLabel, {7, 44, 246, 8}},
    {IDC_OWNER_EMAIL_ADDRESS, "Edit", "", kEdit, {7, 55, 246, 12}},
    {IDC_OWNER_EMAIL_DONT_PUBLISH,
     "Button",
     "Don't publish my Email address. Save for password retrieval purposes.",
     kCheckBox,
     {7, 71, 246, 10}},
    {IDC_STATIC,
     "Static",
     "Your published Email addresses will be marked",
     kLabel,
     {7, 88, 170, 8}},
    {IDC_STATIC, "Static", "with the following symbol:", kLabel, {7, 98, 100, 8}},
    {IDC_STATIC, "Static", "", kSymbol, {110, 95, 11, 11}},
    {IDOK, "Button", "&Ok", kButton | BS_DEFPUSHBUTTON, {146, 119, 50, 14}},
    {IDCANCEL, "Button", "Cancel", kButton, {203, 119, 50, 14}},
};

}  // namespace

std::span<const winport::ControlTemplate> OwnerEmailPaneControls() {
    return kOwnerPane;
}

std::span<const winport::ControlTemplate> ContactEmailPaneControls() {
    return kContactPane;
}

std::span<const winport::ControlTemplate> ContactEmailDialogControls() {
    return kContactDialog;
}

std::span<const winport::ControlTemplate> OwnerEmailDialogControls() {
    return kOwnerDialog;
}
