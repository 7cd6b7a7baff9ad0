// The host's UI numbers the module passes to the framework: icon numbers, dialog context numbers
// and indexes into the host's shared small image list.
#pragma once

// The details window's icon, also the icon of the owner's update warning.
inline constexpr int kDetailsIconNumber = 7;

inline constexpr int kViewOnlyContextBase = 33;
inline constexpr int kEditableContextBase = 990;
// Context numbers of view-only and of editable (owner) dialogs and pages.
inline constexpr int kViewOnlyContext = kViewOnlyContextBase;
inline constexpr int kEditableContext = kEditableContextBase + 1;

// Tab images.
inline constexpr int kMainTabImage = 59;
inline constexpr int kHomeTabImage = 53;
inline constexpr int kWorkTabImage = 58;
inline constexpr int kMoreTabImage = 56;
inline constexpr int kAboutTabImage = 60;
// "Affiliations" (owner) and "Interests / Past" (contact).
inline constexpr int kAffiliationsTabImage = 54;
inline constexpr int kInterestsTabImage = 55;
// A tab added by an outside component.
inline constexpr int kExternalTabImage = 34;
// E-mail list rows: the contact's default address and the owner's published addresses.
inline constexpr int kDefaultAddressImage = 89;
inline constexpr int kPublishedAddressImage = 203;
// The phone location buttons of the Home and Work pages (phone, fax, cellular), and the buttons
// that open a home page.
inline constexpr int kPhoneImage = 133;
inline constexpr int kFaxImage = 67;
inline constexpr int kCellularImage = 68;
inline constexpr int kWebPageImage = 6;
