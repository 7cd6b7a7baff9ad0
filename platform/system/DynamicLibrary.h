// Loading a module as the Windows loader does: the library's DllMain, when it has one, hears
// DLL_PROCESS_ATTACH on the first load and DLL_PROCESS_DETACH when the last reference goes, and a
// DllMain that answers FALSE at attach makes the load fail. Thread-safe; DllMain runs under the
// loader's lock, which the same thread may take again.
#pragma once

#include "platform/core/WinTypes.h"

inline constexpr DWORD DLL_PROCESS_DETACH = 0;
inline constexpr DWORD DLL_PROCESS_ATTACH = 1;
inline constexpr DWORD DLL_THREAD_ATTACH = 2;
inline constexpr DWORD DLL_THREAD_DETACH = 3;

// The entry callback a module may export with C linkage under the name "DllMain".
using DllEntryProc = BOOL (*)(HINSTANCE instance, DWORD reason, void* reserved);
using FARPROC = void (*)();

// Null with ERROR_MOD_NOT_FOUND (the loader's text) when the file cannot be loaded, or with
// ERROR_DLL_INIT_FAILED when DllMain refused the attach (the library is unloaded again).
HMODULE LoadLibrary(const char* path);
// Drops one reference; the last one sends DLL_PROCESS_DETACH and unloads. FALSE with
// ERROR_INVALID_HANDLE for a handle this loader did not hand out.
BOOL FreeLibrary(HMODULE module);
// Null with ERROR_PROC_NOT_FOUND when the library exports no |name|.
FARPROC GetProcAddress(HMODULE module, const char* name);
// Thread notifications are never sent here, so this only checks the handle.
BOOL DisableThreadLibraryCalls(HMODULE module);

namespace winport {

// The references LoadLibrary handed out for |module| and not yet freed; 0 when not loaded.
int LibraryReferenceCount(HMODULE module);

}  // namespace winport
