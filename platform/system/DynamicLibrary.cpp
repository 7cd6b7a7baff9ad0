#include "platform/system/DynamicLibrary.h"

#include <dlfcn.h>
#include <link.h>

#include <map>
#include <mutex>
#include <string>

#include "platform/core/LastError.h"

namespace {

struct LoadedLibrary {
    int references = 0;
    DllEntryProc entry = nullptr;
};

std::recursive_mutex& LoaderLock() {
    static std::recursive_mutex lock;
    return lock;
}

std::map<void*, LoadedLibrary>& LoadedLibraries() {
    static std::map<void*, LoadedLibrary> libraries;
    return libraries;
}

std::string LoaderErrorText() {
    const char* text = dlerror();
    return text ? text : "unknown loader error";
}

// The library's own DllMain: dlsym also searches the library's dependencies, so a DllMain found
// in another object does not count.
DllEntryProc OwnEntryProc(void* handle) {
    void* symbol = dlsym(handle, "DllMain");
    if (!symbol) return nullptr;
    link_map* own = nullptr;
    link_map* holder = nullptr;
    Dl_info info{};
    if (dlinfo(handle, RTLD_DI_LINKMAP, &own) != 0 ||
        !dladdr1(symbol, &info, reinterpret_cast<void**>(&holder), RTLD_DL_LINKMAP) ||
        holder != own) {
        return nullptr;
    }
    return reinterpret_cast<DllEntryProc>(symbol);
}

HINSTANCE InstanceOf(void* handle) {
    return static_cast<HINSTANCE>(handle);
}

}  // namespace

HMODULE LoadLibrary(const char* path) {
    if (!path || !*path) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, "LoadLibrary: no path given");
        return nullptr;
    }
    std::lock_guard lock(LoaderLock());
    void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        winport::SetLastErrorText(ERROR_MOD_NOT_FOUND, LoaderErrorText());
        return nullptr;
    }
    auto [entry, first] = LoadedLibraries().try_emplace(handle);
    LoadedLibrary& library = entry->second;
    if (first) {
        library.entry = OwnEntryProc(handle);
        library.references = 1;
        if (library.entry && !library.entry(InstanceOf(handle), DLL_PROCESS_ATTACH, nullptr)) {
            LoadedLibraries().erase(entry);
            dlclose(handle);
            winport::SetLastErrorText(ERROR_DLL_INIT_FAILED,
                                      std::string(path) + ": the library's initialisation failed");
            return nullptr;
        }
    } else {
        ++library.references;
        dlclose(handle);  // The loader holds one dlopen reference per loaded library.
    }
    return InstanceOf(handle);
}

BOOL FreeLibrary(HMODULE module) {
    std::lock_guard lock(LoaderLock());
    auto entry = LoadedLibraries().find(module);
    if (entry == LoadedLibraries().end()) {
        winport::SetLastErrorText(ERROR_INVALID_HANDLE, "FreeLibrary: not a loaded library");
        return FALSE;
    }
    if (--entry->second.references > 0) return TRUE;
    DllEntryProc dllMain = entry->second.entry;
    LoadedLibraries().erase(entry);
    if (dllMain) dllMain(module, DLL_PROCESS_DETACH, nullptr);
    dlclose(module);
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
    std::lock_guard lock(LoaderLock());
    if (!LoadedLibraries().contains(module)) {
        winport::SetLastErrorText(ERROR_INVALID_HANDLE, "GetProcAddress: not a loaded library");
        return nullptr;
    }
    void* symbol = name ? dlsym(module, name) : nullptr;
    if (!symbol) {
        winport::SetLastErrorText(
            ERROR_PROC_NOT_FOUND,
            std::string("GetProcAddress: no export named ") + (name ? name : "(null)"));
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL DisableThreadLibraryCalls(HMODULE module) {
    std::lock_guard lock(LoaderLock());
    if (!LoadedLibraries().contains(module)) {
        winport::SetLastErrorText(ERROR_INVALID_HANDLE,
                                  "DisableThreadLibraryCalls: not a loaded library");
        return FALSE;
    }
    return TRUE;
}

namespace winport {

int LibraryReferenceCount(HMODULE module) {
    std::lock_guard lock(LoaderLock());
    auto entry = LoadedLibraries().find(module);
    return entry == LoadedLibraries().end() ? 0 : entry->second.references;
}

}  // namespace winport
