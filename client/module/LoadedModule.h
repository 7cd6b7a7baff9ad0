// The user details module as the client loads it: through the platform's loader (so its entry
// callback registers its resources), its entry point asked for the module object, and that
// object initialised with the host application. At the end every window is closed, the module
// is asked whether it may go, and only then is it unloaded.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "module/host/MINUVModule.h"

namespace nuvclient {

// The module could not be loaded or used. The message names the file and the problem.
class ModuleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class LoadedModule {
public:
    // Throws ModuleError when the library cannot be loaded, lacks an entry point, or gives no
    // module object. |application| outlives this object.
    LoadedModule(const std::filesystem::path& library, MIHostApplication& application);
    // Unloads, as Unload does, unless that was done.
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    MIUserDetailsModule& Module() { return *m_module; }
    bool CanUnload() const;
    // |record| as the module's vCard writer gives it. Throws ModuleError when the module has no
    // writer or it fails.
    std::string VCardOf(MINUVPropertySet* record) const;

    // Destroys every top-level window (a pane goes with the host window around it), then frees
    // the module object and unloads the library. When the module still counts live
    // dialogs it is left loaded (unloading would pull code from under them): false, with
    // |problem| saying so.
    bool Unload(std::string* problem = nullptr);

private:
    HMODULE m_library = nullptr;
    NUVModuleCanUnloadProc m_canUnload = nullptr;
    NUVModuleGetVCardProc m_getVCard = nullptr;
    MIUserDetailsModule* m_module = nullptr;
    std::filesystem::path m_path;
};

}  // namespace nuvclient
