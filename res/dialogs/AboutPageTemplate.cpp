// The About page: the user's text about himself, and below it the owner's notes about a
// contact. The owner's own page has no notes: its text moves down and the explanation of what
// the text is for stands above it.
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "res/ResourceIds.h"
#include "res/dialogs/DialogControls.h"

namespace {

constexpr DWORD kGroup = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kText = WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                        ES_AUTOVSCROLL | ES_WANTRETURN;

constexpr winport::ControlTemplate kControls[] = {
    {IDC_ABOUT_FRAME, "Button", "Enter additional details about yourself", kGroup, {7, 3, 304, 80}},
    {IDC_ABOUT_EXPLANATION,
     "Static",
     "What you write here helps other users with interests like yours to find you. It is "
     "published with your details and also shown on your personal web page at the service.",
     WS_VISIBLE | SS_LEFT,
     {14, 16, 290, 32}},
    {IDC_ABOUT_TEXT, "Edit", "", kText, {14, 16, 290, 60}},
    {IDC_ABOUT_NOTES_FRAME,
     "Button",
     "Enter additional information/notes about this person here:",
     kGroup,
     {7, 87, 304, 100}},
    {IDC_ABOUT_NOTES, "Edit", "", kText, {14, 100, 290, 82}},
};

}  // namespace

std::span<const winport::ControlTemplate> AboutPageControls() {
    return kControls;
}
