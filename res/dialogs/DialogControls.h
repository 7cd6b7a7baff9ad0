// The controls of the module's dialog templates, one file under res/dialogs/ per window.
#pragma once

#include <span>

#include "platform/resources/DialogTemplate.h"

// The user details window (8506) and the same window embedded as a pane (8509).
std::span<const winport::ControlTemplate> UserDetailsWindowControls();
std::span<const winport::ControlTemplate> UserDetailsPaneControls();

// The Main page (8505).
std::span<const winport::ControlTemplate> MainPageControls();

// The Home page (8507).
std::span<const winport::ControlTemplate> HomePageControls();

// The About page (8508).
std::span<const winport::ControlTemplate> AboutPageControls();
std::span<const winport::ControlTemplate> AffiliationsPageControls();
std::span<const winport::ControlTemplate> InterestsPageControls();
// A contact's Interests / Past page (8516).
std::span<const winport::ControlTemplate> InterestsViewPageControls();

// The Work page (8512).
std::span<const winport::ControlTemplate> WorkPageControls();

// The More page (8504).
std::span<const winport::ControlTemplate> MorePageControls();

// The homepage category dialog (8518) and the topic selection (8519).
std::span<const winport::ControlTemplate> HomepageCategoryDialogControls();
std::span<const winport::ControlTemplate> TopicSelectionDialogControls();

// The e-mail group dialog (8501).
std::span<const winport::ControlTemplate> EGroupInfoDialogControls();

// The phone location dialog (8553).
std::span<const winport::ControlTemplate> PhoneLocationDialogControls();
