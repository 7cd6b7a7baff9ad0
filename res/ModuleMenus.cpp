// The module's menus.
#include "res/ModuleResources.h"
#include "res/menus/EmailMenus.h"
#include "res/menus/MoreOptionsMenus.h"

std::span<const winport::MenuTemplate> ModuleMenus() {
    static const winport::MenuTemplate kMenus[] = {
        EmailMenu(),
        EmailMenuWithoutSend(),
        OwnerMoreOptionsMenu(),
        ContactMoreOptionsMenu(),
    };
    return kMenus;
}
