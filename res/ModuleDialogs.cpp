// The module's dialog templates. The pages of the user details window whose fields are not
// built yet are empty child templates.
#include "platform/core/WinStyles.h"
#include "res/ModuleResources.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kPageStyle = WS_CHILD | DS_CONTROL;
constexpr winport::DluRect kPageRect{0, 0, 318, 190};

// An empty page: the window it lives in gives it its place and its contents come later.
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
        EmptyPage(IDD_MAIN_PAGE),
        EmptyPage(IDD_HOME_PAGE),
        EmptyPage(IDD_WORK_PAGE),
        EmptyPage(IDD_MORE_PAGE),
        EmptyPage(IDD_ABOUT_PAGE),
        EmptyPage(IDD_INTERESTS_VIEW_PAGE),
        EmptyPage(IDD_AFFILIATIONS_PAGE),
        EmptyPage(IDD_INTERESTS_EDIT_PAGE),
        EmptyPage(IDD_EXTERNAL_PAGE),
    };
    return kDialogs;
}
