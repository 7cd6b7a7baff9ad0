// The module's string table.
#include "res/ModuleResources.h"
#include "res/ResourceIds.h"

namespace {

constexpr winport::StringResource kStrings[] = {
    {IDS_ADD_EMAIL_ADDRESS, "Add Email Address"},
    {IDS_EDIT_EMAIL_ADDRESS, "Edit Email Address"},
    {IDS_NO_DEFAULT_EMAIL,
     "You have not specified a Default Email address. Updated Email information will not be "
     "saved without specifying a Default Email address."},
    {IDS_NO_DEFAULT_EMAIL_CAPTION, "No Default Email Address"},
    {IDS_EMAIL_OK, "OK"},
    {IDS_EMAIL_ADD, "Add"},
    {IDS_NO_PRIMARY_EMAIL, "You have not specified a Primary Email address"},
    {IDS_NO_PRIMARY_EMAIL_CAPTION, "No Primary Email Address"},
    {IDS_EMAIL_LIMIT, "You have reached the maximum allowed limit for email addresses"},
    {IDS_EMAIL_LIMIT_CAPTION, "Maximum Email Addresses Allowed"},
    {IDS_PHONE_LENGTH, "Phone number length is %d. It should be between %d and %d"},
    {IDS_PHONE_LENGTH_CAPTION, "Phone Number Length"},
    {IDS_OPERATION_NOT_STARTED,
     "The directory could not be reached (error 0x%08X). Please try again later."},
    {IDS_VCARD_NOT_WRITTEN, "The vCard could not be written to %s."},
    {IDS_VCARD_CAPTION, "Save as vCard"},
    {IDS_UNSAVED_EDITS,
     "You have changed your details without saving them. Save the changes before the window "
     "closes?"},
    {IDS_UNSAVED_EDITS_CAPTION, "Unsaved Changes"},
};

}  // namespace

std::span<const winport::StringResource> ModuleStrings() {
    return kStrings;
}
