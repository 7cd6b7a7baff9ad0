// The module's dialog templates. A page without fields of its own is an empty child template.
#include "platform/core/WinStyles.h"
#include "res/ModuleResources.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"
#include "res/dialogs/EmailTemplates.h"

namespace {

constexpr DWORD kPageStyle = WS_CHILD | DS_CONTROL;
constexpr winport::DluRect kPageRect{0, 0, 318, 190};
constexpr DWORD kModalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// An empty page: the window it lives in gives it its place.
constexpr winport::DialogTemplate EmptyPage(unsigned id) {
    return {static_cast<int>(id), "", kPageStyle, kPageRect, {}};
}

}  // namespace

std::span<const winport::DialogTemplate> ModuleDialogs() {
    static const winport::DialogTemplate kDialogs[] = {
        {IDD_USER_DETAILS,
         "Info",
         WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME,
         {0, 0, 340, 248},
         UserDetailsWindowControls()},
        {IDD_DETAILS_PANE,
         "",
         WS_CHILD | WS_VISIBLE | DS_CONTROL,
         {0, 0, 340, 248},
         UserDetailsPaneControls()},
        {IDD_MAIN_PAGE, "", kPageStyle, kPageRect, MainPageControls()},
        {IDD_HOME_PAGE, "", kPageStyle, kPageRect, HomePageControls()},
        {IDD_WORK_PAGE, "", kPageStyle, kPageRect, WorkPageControls()},
        {IDD_MORE_PAGE, "", kPageStyle, kPageRect, MorePageControls()},
        {IDD_ABOUT_PAGE, "", kPageStyle, kPageRect, AboutPageControls()},
        {IDD_INTERESTS_VIEW_PAGE, "", kPageStyle, kPageRect, InterestsViewPageControls()},
        {IDD_AFFILIATIONS_PAGE, "", kPageStyle, kPageRect, AffiliationsPageControls()},
        {IDD_INTERESTS_EDIT_PAGE, "", kPageStyle, kPageRect, InterestsPageControls()},
        EmptyPage(IDD_EXTERNAL_PAGE),
        // E-mail panes and address dialogs.
        {IDD_OWNER_EMAIL_PANE,
         "",
         kPageStyle | WS_VISIBLE,
         {0, 0, 296, 68},
         OwnerEmailPaneControls()},
        {IDD_CONTACT_EMAIL_PANE,
         "",
         kPageStyle | WS_VISIBLE,
         {0, 0, 296, 64},
         ContactEmailPaneControls()},
        {IDD_CONTACT_EMAIL_DIALOG, "", kModalStyle, {0, 0, 230, 110}, ContactEmailDialogControls()},
        {IDD_OWNER_EMAIL_DIALOG,
         "Email Addresses",
         kModalStyle,
         {0, 0, 260, 140},
         OwnerEmailDialogControls()},
        {IDD_EGROUP_INFO, "E-NUV Info", kModalStyle, {0, 0, 262, 196}, EGroupInfoDialogControls()},
        {IDD_HOMEPAGE_CATEGORY,
         "[USERNAME]'s HomePage Information",
         kModalStyle,
         {0, 0, 280, 236},
         HomepageCategoryDialogControls()},
        {IDD_SELECT_TOPIC,
         "Select Interest Category",
         kModalStyle,
         {0, 0, 220, 200},
         TopicSelectionDialogControls()},
        {IDD_PHONE_LOCATION,
         "Add / Edit Phone Location",
         kModalStyle,
         {0, 0, 210, 150},
         PhoneLocationDialogControls()},
    };
    return kDialogs;
}
