#include "res/ModuleResources.h"

const winport::ResourceTable& ModuleResources() {
    static const winport::ResourceTable table{"user details module", ModuleDialogs(), ModuleMenus(),
                                              ModuleBitmaps(), ModuleStrings()};
    return table;
}
