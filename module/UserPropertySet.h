// Filling a user record from a host user object.
#pragma once

#include "hostlib/property/MCVariantPropertySet.h"
#include "platform/com/Unknown.h"

// Attaches the user object's record in the contact view (|contactView|) or the owner view to
// |set|. False, leaving |set| as it was, when the object has no MIPropertySetSource or the source
// refuses the view; every reference obtained is given back on every path.
bool GetUserPropertySet(IUnknown* userObject, bool contactView, MCVariantPropertySet& set);
