// A contact's Interests / Past page: his interests as lines with their icons, and his
// affiliations and past background as formatted text.
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/RichEditApi.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kGroup = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kText = WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_STATIC, "Button", "Personal Interests:", kGroup, {7, 5, 304, 62}},
    {IDC_INTERESTS_VIEW_LIST,
     kListBoxClassName,
     "",
     WS_VISIBLE | WS_DISABLED | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT,
     {14, 16, 290, 46}},
    {IDC_STATIC, "Button", "Organization, Affiliation, Group:", kGroup, {7, 70, 304, 58}},
    {IDC_INTERESTS_VIEW_GROUPS, RICHEDIT_CLASS, "", kText, {14, 81, 290, 42}},
    {IDC_STATIC, "Button", "Past Background:", kGroup, {7, 131, 304, 56}},
    {IDC_INTERESTS_VIEW_PAST, RICHEDIT_CLASS, "", kText, {14, 142, 290, 40}},
};

}  // namespace

std::span<const winport::ControlTemplate> InterestsViewPageControls() {
    return kControls;
}
