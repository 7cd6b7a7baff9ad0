// The process's resource chain: the tables of the loaded modules, searched in the order they
// joined, as a framework searches its extension modules. Thread-safe.
#pragma once

#include <optional>
#include <string>

#include "platform/core/WinTypes.h"
#include "platform/resources/ResourceTable.h"

namespace winport {

// Adds |table| (not copied: it must stay alive until removed) at the end of the chain. Fails
// with ERROR_INVALID_DATA, naming the table, the resource and the id, when a dialog template
// is invalid, an id appears twice among the table's resources of one kind, or a bitmap's pixel
// count does not match its size; with ERROR_ALREADY_EXISTS when it is in the chain already.
// A table that fails is not added.
bool AddResourceTable(const ResourceTable& table);
// Takes |table| out of the chain; ERROR_INVALID_PARAMETER when it is not in it.
bool RemoveResourceTable(const ResourceTable& table);

// The first resource with |id| along the chain; null (or nothing) with
// ERROR_RESOURCE_NAME_NOT_FOUND when no table has one. The result lives as long as its table.
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);
const BitmapResource* FindBitmapResource(int id);
std::optional<std::string> LoadStringResource(UINT id);

}  // namespace winport
