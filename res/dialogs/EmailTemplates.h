// The e-mail panes of the Main page and the two e-mail address dialogs.
#pragma once

#include <span>

#include "platform/resources/DialogTemplate.h"

// The owner's pane (8543) and a contact's pane (8544), children of the Main page.
std::span<const winport::ControlTemplate> OwnerEmailPaneControls();
std::span<const winport::ControlTemplate> ContactEmailPaneControls();
// The address dialogs: a contact's (8545) and the owner's (8547).
std::span<const winport::ControlTemplate> ContactEmailDialogControls();
std::span<const winport::ControlTemplate> OwnerEmailDialogControls();
