// The homepage category dialog (the address, its category as a path in the topic tree, and a
// description) and the topic selection (every topic in one tree).
#include "platform/controls/TreeViewApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kTree = WS_VISIBLE | WS_TABSTOP | WS_BORDER | TVS_HASBUTTONS | TVS_LINESATROOT;

constexpr winport::ControlTemplate kHomepageCategory[] = {
    {IDC_STATIC, "Static", "Homepage Address:", kLabel, {7, 7, 120, 8}},
    {IDC_CATEGORY_ADDRESS, "Edit", "", kButton | WS_BORDER | ES_AUTOHSCROLL, {7, 17, 196, 12}},
    {IDC_CATEGORY_GOTO_HOMEPAGE, "Button", "Goto HomePage", kButton, {209, 16, 64, 14}},
    {IDC_STATIC, "Static", "Homepage Category:", kLabel, {7, 36, 120, 8}},
    {IDC_CATEGORY_TREE, "SysTreeView32", "Tree2", kTree, {7, 46, 196, 72}},
    {IDC_CATEGORY_DEFINE, "Button", "Define Category", kButton, {209, 46, 64, 14}},
    {IDC_STATIC, "Static", "Homepage Description / About:", kLabel, {7, 124, 160, 8}},
    {IDC_CATEGORY_DESCRIPTION,
     "Edit",
     "",
     kButton | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
     {7, 134, 266, 62}},
    {IDC_STATIC, "Static", "", WS_VISIBLE | SS_ETCHEDHORZ, {7, 204, 266, 1}},
    {IDC_CATEGORY_DIRECTORY,
     "Button",
     "Goto NUV Users Homepage Directory",
     kButton,
     {7, 214, 140, 14}},
    {IDOK, "Button", "&OK", kButton | BS_DEFPUSHBUTTON, {166, 214, 50, 14}},
    {IDCANCEL, "Button", "&Cancel", kButton, {223, 214, 50, 14}},
};

constexpr winport::ControlTemplate kTopicSelection[] = {
    {IDC_TOPIC_TREE, "SysTreeView32", "", kTree | TVS_HASLINES, {7, 7, 206, 162}},
    {IDC_TOPIC_NONE, "Button", "Select &None", kButton, {7, 178, 60, 14}},
    {IDOK, "Button", "&OK", kButton | BS_DEFPUSHBUTTON, {106, 178, 50, 14}},
    {IDCANCEL, "Button", "&Cancel", kButton, {163, 178, 50, 14}},
};

}  // namespace

std::span<const winport::ControlTemplate> HomepageCategoryDialogControls() {
    return kHomepageCategory;
}

std::span<const winport::ControlTemplate> TopicSelectionDialogControls() {
    return kTopicSelection;
}
