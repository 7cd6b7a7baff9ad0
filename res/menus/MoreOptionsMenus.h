// The details window's More Options menus, each a bar with one popup named "MORE".
#pragma once

#include "platform/resources/ResourceTable.h"

// 8549, the owner's: Save as Vcard, Unlist, Publicize my details in Web-directories.
winport::MenuTemplate OwnerMoreOptionsMenu();
// 8550, a contact's: Save as Vcard, White Pages.
winport::MenuTemplate ContactMoreOptionsMenu();
