#include "client/host/HostStrings.h"

#include <stdexcept>

#include "hostlib/util/HostStrings.h"
#include "module/host/HostStringIds.h"
#include "platform/core/LastError.h"
#include "platform/resources/ResourceChain.h"

namespace nuvclient {

namespace {

constexpr winport::StringResource kStrings[] = {
    {AFX_IDS_APP_TITLE, "NUV"},
    {kOwnerTitleString, "NUV Global Directory - My Info: %s"},
    {kContactTitleString, "NUV Global Directory - User Info On: %s"},
    {kUpdateWarningCaption, "Your Published Details"},
    {kUpdateWarningText,
     "The details on these pages are published in the global directory. Changes you make are "
     "uploaded when you press Save; Update From Database replaces them with what the directory "
     "holds now."},
    // The Main page.
    {kPersonNameLabels, "Nickname:"},
    {kPersonNameLabels + 1, "First:"},
    {kPersonNameLabels + 2, "Last:"},
    {kKind3NameLabels, "Name:"},
    {kKind3NameLabels + 1, "Contact First:"},
    {kKind3NameLabels + 2, "Contact Last:"},
    {kOtherKindNameLabels, "Alias:"},
    {kOtherKindNameLabels + 1, "Given Name:"},
    {kOtherKindNameLabels + 2, "Family Name:"},
    {kCopySummaryTip, "Copy this user's details to the clipboard"},
    {kClipboardOpenFailed, "Another program is using the clipboard. Please try again."},
    {kClipboardEmptyFailed, "The clipboard could not be emptied."},
    {kClipboardSetFailed, "The details could not be placed on the clipboard."},
    {kNicknameField, "nickname"},
    {kFirstNameField, "first name"},
    {kLastNameField, "last name"},
    {kDisplayNameField, "display name"},
    // The e-mail address dialogs.
    {kInvalidEmailText, "Please enter a valid Email address, such as name@example.org."},
    {kEmailNameRefusedCaption, "Email Address Not Accepted"},
    {kEmailNameRefusedText,
     "An Email address containing \"nuv\" or \"brightelm\" cannot be entered as one of your "
     "own addresses. Please enter another address."},
    {kMailDomainWarningText,
     "This is an address of the NUV mail service. Mail sent to it is kept only while your NUV "
     "mail account is active, so the password retrieval service may not be able to reach you "
     "there. Keep this address anyway?"},
    {kMailDomainWarningCaption, "NUV Mail Address"},
    {kMailDomainString, "nuvmail.example.org"},
    // Save and Update From Database.
    {kSaveConfirmationQuestion, "Upload your details to the global directory now?"},
    {kSaveConfirmationExplanation,
     "Your security level asks that you confirm each upload. Other users will see the published "
     "details."},
    {kUpdateFromDatabaseText,
     "Replace the details on these pages with the ones the directory holds now? Changes you have "
     "not saved are lost."},
    {kUpdateFromDatabaseCaption, "Update From Database"},
    {kUnlistText,
     "Remove your details from the global directory? Every page but Main is emptied here, and "
     "the directory drops those details when you press Save."},
    {kUnlistCaption, "Unlist"},
    // The e-mail group dialog.
    {kEgroupNoticeCaption, "E-NUV Privacy"},
    {kEgroupNoticeText,
     "The other members of this E-NUV will no longer see your NUV# or whether you are online."},
    // The About page of a contact.
    {kContactAboutCaption, "What this person says about himself"},
    // The phone location dialog.
    {kPhoneLocationCaption, "Phone Location"},
    // The More page.
    {kIncompleteBirthDateText,
     "Please give the whole birth date (day, month and year), or leave the day and the month "
     "empty."},
    {kIncompleteBirthDateCaption, "Birth Date"},
    // The Affiliations page.
    {kMissingKeywordsText,
     "You chose a category without entering names or keywords for it. Go back and enter them?"},
    {kMissingKeywordsCaption, "Keywords Missing"},
};

constexpr winport::ResourceTable kTable{"host client strings", {}, {}, {}, kStrings};

}  // namespace

HostStrings::HostStrings() {
    if (!winport::AddResourceTable(kTable)) throw std::runtime_error(winport::GetLastErrorText());
}

HostStrings::~HostStrings() {
    winport::RemoveResourceTable(kTable);
}

}  // namespace nuvclient
