// Checks a resource table before it joins the chain, and a dialog template before a dialog is
// made from it. A failure sets ERROR_INVALID_DATA with a text naming the resource and the id.
#pragma once

#include "platform/resources/ResourceTable.h"

namespace winport {

// Control ids must be unique within a template, except the static ids IDC_STATIC (-1) and
// 0xFFFF (the same id as a resource compiler stores it); every control needs a class name.
bool ValidateDialogTemplate(const DialogTemplate& dialog);

// Every dialog template valid, ids unique per kind of resource, bitmap sizes matching their
// pixels. The error text starts with the table's name.
bool ValidateResourceTable(const ResourceTable& table);

}  // namespace winport
