// The module's resource table, in pieces: each kind of resource is defined in its own file.
#pragma once

#include <span>

#include "platform/resources/ResourceTable.h"

std::span<const winport::DialogTemplate> ModuleDialogs();
std::span<const winport::StringResource> ModuleStrings();
std::span<const winport::MenuTemplate> ModuleMenus();
std::span<const winport::BitmapResource> ModuleBitmaps();

// The whole table, as the module registers it when it is loaded.
const winport::ResourceTable& ModuleResources();
