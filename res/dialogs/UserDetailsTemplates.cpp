// The user details window: the tab control over the pages, the buttons along the bottom and the
// busy animation, which the window moves to the tab control's right edge once its clip is open.
#include "platform/controls/AnimationApi.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

constexpr winport::ControlTemplate kWindowControls[] = {
    {IDC_DETAILS_TAB, "SysTabControl32", "", WS_VISIBLE | WS_TABSTOP, {7, 7, 326, 212}},
    {IDC_DETAILS_SAVE, "Button", "&Save", kButton, {7, 226, 60, 14}},
    {IDC_DETAILS_UPDATE, "Button", "&Update From Database", kButton, {71, 226, 90, 14}},
    {IDC_DETAILS_MORE_OPTIONS, "Button", "&More Options", kButton, {165, 226, 60, 14}},
    {IDC_DETAILS_CLOSE, "Button", "&Close", kButton, {229, 226, 60, 14}},
    {IDC_DETAILS_ANIMATION, ANIMATE_CLASS, "", WS_VISIBLE | ACS_TRANSPARENT, {301, 222, 20, 20}},
};

// Inside a host window the host closes the pane, and its menu offers no more options.
constexpr winport::ControlTemplate kPaneControls[] = {
    {IDC_DETAILS_TAB, "SysTabControl32", "", WS_VISIBLE | WS_TABSTOP, {7, 7, 326, 212}},
    {IDC_DETAILS_SAVE, "Button", "&Save", kButton, {7, 226, 60, 14}},
    {IDC_DETAILS_UPDATE, "Button", "&Update From Database", kButton, {71, 226, 90, 14}},
    {IDC_DETAILS_MORE_OPTIONS, "Button", "More Options", WS_TABSTOP, {165, 226, 60, 14}},
    {IDC_DETAILS_CLOSE, "Button", "&Close", WS_TABSTOP, {229, 226, 60, 14}},
    {IDC_DETAILS_ANIMATION, ANIMATE_CLASS, "", WS_VISIBLE | ACS_TRANSPARENT, {301, 222, 20, 20}},
};

}  // namespace

std::span<const winport::ControlTemplate> UserDetailsWindowControls() {
    return kWindowControls;
}

std::span<const winport::ControlTemplate> UserDetailsPaneControls() {
    return kPaneControls;
}
