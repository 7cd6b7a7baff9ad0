#include "module/ModuleState.h"

CModuleState& ModuleState() {
    static CModuleState state;
    return state;
}
