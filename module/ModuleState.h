// The module-wide state: the host objects handed to Initialize, the two view names and the
// count of live dialogs. Touched on the host's user-interface thread only.
#pragma once

#include <string>

#include "module/host/MIHostApplication.h"
#include "module/host/MIHostServices.h"

struct CModuleState {
    // Borrowed; null until Initialize.
    MIHostApplication* hostApplication = nullptr;
    // Borrowed from the host application; may stay null if the host gives none.
    MIHostServices* hostServices = nullptr;
    // The view ids in registry text form; empty until Initialize.
    std::string ownerViewName;
    std::string contactViewName;
    // Details and e-group dialogs that exist as objects.
    int liveDialogCount = 0;
};

CModuleState& ModuleState();

// Counts its owner among the live dialogs from construction to destruction. Dialogs hold one
// as a member.
class CLiveDialogCount {
public:
    CLiveDialogCount() { ++ModuleState().liveDialogCount; }
    ~CLiveDialogCount() { --ModuleState().liveDialogCount; }
    CLiveDialogCount(const CLiveDialogCount&) = delete;
    CLiveDialogCount& operator=(const CLiveDialogCount&) = delete;
};
