// Ids of the host strings the module shows; the host keeps their texts in its resource table.
#pragma once

// The title formats of the owner's and of a contact's details window, whose one placeholder
// takes the user's name.
inline constexpr unsigned kOwnerTitleString = 6734;
inline constexpr unsigned kContactTitleString = 6735;
// The owner's update warning.
inline constexpr unsigned kUpdateWarningCaption = 29115;
inline constexpr unsigned kUpdateWarningText = 29116;
