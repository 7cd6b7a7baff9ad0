// Ids of the host strings the module shows; the host keeps their texts in its resource table.
#pragma once

// The title formats of the owner's and of a contact's details window, whose one placeholder
// takes the user's name.
inline constexpr unsigned kOwnerTitleString = 6734;
inline constexpr unsigned kContactTitleString = 6735;
// The owner's update warning.
inline constexpr unsigned kUpdateWarningCaption = 29115;
inline constexpr unsigned kUpdateWarningText = 29116;
// The Main page: the labels of the nickname, first-name and last-name fields (three ids in a
// row from each of these) for users of kind 0, of kind 3 and of any other kind; the copy button's
// tip; the clipboard failures; the names of the fields its checks name.
inline constexpr unsigned kPersonNameLabels = 6357;
inline constexpr unsigned kKind3NameLabels = 6351;
inline constexpr unsigned kOtherKindNameLabels = 6354;
inline constexpr unsigned kCopySummaryTip = 6476;
inline constexpr unsigned kClipboardOpenFailed = 6747;
inline constexpr unsigned kClipboardEmptyFailed = 6748;
inline constexpr unsigned kClipboardSetFailed = 6749;
inline constexpr unsigned kNicknameField = 7063;
inline constexpr unsigned kFirstNameField = 7064;
inline constexpr unsigned kLastNameField = 7065;
inline constexpr unsigned kDisplayNameField = 7066;
// The e-mail address dialogs: an address that is not one, the owner's address at the product's
// own mail service (a warning) or carrying the product's or the maker's name (refused), and the
// domain of that mail service, without the at sign.
inline constexpr unsigned kInvalidEmailText = 7058;
inline constexpr unsigned kEmailNameRefusedCaption = 29127;
inline constexpr unsigned kEmailNameRefusedText = 29128;
inline constexpr unsigned kMailDomainWarningText = 29129;
inline constexpr unsigned kMailDomainWarningCaption = 29130;
inline constexpr unsigned kMailDomainString = 29131;
// The question before an upload that the owner's security level asks him to confirm, and its
// explanation; the host's confirmation component shows them.
inline constexpr unsigned kSaveConfirmationQuestion = 29041;
inline constexpr unsigned kSaveConfirmationExplanation = 29042;
// Update From Database's question and its caption.
inline constexpr unsigned kUpdateFromDatabaseText = 6720;
inline constexpr unsigned kUpdateFromDatabaseCaption = 6721;
// Unlist's question (Yes empties the pages, No steps back, Cancel does nothing) and its caption.
inline constexpr unsigned kUnlistText = 7366;
inline constexpr unsigned kUnlistCaption = 7367;
// The notice shown when the owner stops publishing himself to an e-mail group, and its caption.
inline constexpr unsigned kEgroupNoticeCaption = 29016;
inline constexpr unsigned kEgroupNoticeText = 29017;
// The caption of the About page's frame in a contact's window.
inline constexpr unsigned kContactAboutCaption = 6742;
// The caption of the phone location dialog.
inline constexpr unsigned kPhoneLocationCaption = 6743;
// The More page's message about a birth date given in part, and its caption.
inline constexpr unsigned kIncompleteBirthDateText = 6718;
inline constexpr unsigned kIncompleteBirthDateCaption = 6719;
// The Affiliations page's question about a category chosen without keywords, and its caption.
inline constexpr unsigned kMissingKeywordsText = 6511;
inline constexpr unsigned kMissingKeywordsCaption = 6512;

// Every host string the module shows, for a host to check its table against.
inline constexpr unsigned kHostStringsShown[] = {
    kOwnerTitleString,
    kContactTitleString,
    kUpdateWarningCaption,
    kUpdateWarningText,
    kPersonNameLabels,
    kPersonNameLabels + 1,
    kPersonNameLabels + 2,
    kKind3NameLabels,
    kKind3NameLabels + 1,
    kKind3NameLabels + 2,
    kOtherKindNameLabels,
    kOtherKindNameLabels + 1,
    kOtherKindNameLabels + 2,
    kCopySummaryTip,
    kClipboardOpenFailed,
    kClipboardEmptyFailed,
    kClipboardSetFailed,
    kNicknameField,
    kFirstNameField,
    kLastNameField,
    kDisplayNameField,
    kInvalidEmailText,
    kEmailNameRefusedCaption,
    kEmailNameRefusedText,
    kMailDomainWarningText,
    kMailDomainWarningCaption,
    kMailDomainString,
    kSaveConfirmationQuestion,
    kSaveConfirmationExplanation,
    kUpdateFromDatabaseText,
    kUpdateFromDatabaseCaption,
    kUnlistText,
    kUnlistCaption,
    kEgroupNoticeCaption,
    kEgroupNoticeText,
    kContactAboutCaption,
    kPhoneLocationCaption,
    kIncompleteBirthDateText,
    kIncompleteBirthDateCaption,
    kMissingKeywordsText,
    kMissingKeywordsCaption,
};
