// The module's menus.
#include "res/ModuleResources.h"
#include "res/menus/EmailMenus.h"

std::span<const winport::MenuTemplate> ModuleMenus() {
    static const winport::MenuTemplate kMenus[] = {
        EmailMenu(),
        EmailMenuWithoutSend(),
    };
    return kMenus;
}
