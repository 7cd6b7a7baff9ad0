#include "client/module/LoadedModule.h"

#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/system/DynamicLibrary.h"
#include "platform/text/Utf16.h"
#include "platform/window/WindowApi.h"

namespace nuvclient {

namespace {

template <class Proc>
Proc Export(HMODULE library, const char* name, const std::filesystem::path& path) {
    FARPROC proc = GetProcAddress(library, name);
    if (!proc) throw ModuleError(path.string() + ": not the user details module: no " + name);
    return reinterpret_cast<Proc>(proc);
}

void DestroyAllWindows() {
    for (HWND window : winport::TopLevelWindows()) {
        if (IsWindow(window)) DestroyWindow(window);
    }
    winport::PumpMessages();
}

}  // namespace

LoadedModule::LoadedModule(const std::filesystem::path& library, MIHostApplication& application)
    : m_path(library) {
    m_library = LoadLibrary(library.c_str());
    if (!m_library) {
        throw ModuleError(library.string() +
                          ": cannot load the module: " + winport::GetLastErrorText());
    }
    try {
        auto getEntryPoint =
            Export<NUVModuleGetEntryPointProc>(m_library, kNUVModuleGetEntryPointName, library);
        m_canUnload = Export<NUVModuleCanUnloadProc>(m_library, kNUVModuleCanUnloadName, library);
        m_getVCard = reinterpret_cast<NUVModuleGetVCardProc>(
            GetProcAddress(m_library, kNUVModuleGetVCardName));
        m_module = static_cast<MIUserDetailsModule*>(getEntryPoint());
        if (!m_module) throw ModuleError(library.string() + ": the module gave no module object");
        m_module->Initialize(&application);
    } catch (...) {
        FreeLibrary(m_library);
        throw;
    }
}

LoadedModule::~LoadedModule() {
    Unload();
}

bool LoadedModule::CanUnload() const {
    return m_canUnload && m_canUnload();
}

std::string LoadedModule::VCardOf(MINUVPropertySet* record) const {
    if (!m_getVCard) throw ModuleError(m_path.string() + ": the module writes no vCards");
    BSTR card = nullptr;
    const HRESULT hr = m_getVCard(record, &card);
    std::string text = winport::Utf16ToUtf8(card);
    SysFreeString(card);
    if (FAILED(hr)) throw ModuleError(m_path.string() + ": the module wrote no vCard");
    return text;
}

bool LoadedModule::Unload(std::string* problem) {
    if (!m_library) return true;
    DestroyAllWindows();
    if (!CanUnload()) {
        if (problem) {
            *problem = m_path.string() + ": the module still has windows; it stays loaded";
        }
        return false;
    }
    delete m_module;
    m_module = nullptr;
    FreeLibrary(m_library);
    m_library = nullptr;
    return true;
}

}  // namespace nuvclient
