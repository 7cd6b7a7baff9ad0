// The library's exported functions and its entry callback: attaching registers the module's
// resources as an extension library of the windowing class library, detaching takes them out.
#include "export/VCardWriter.h"
#include "module/ModuleState.h"
#include "module/UserDetailsModule.h"
#include "platform/mfc/ExtensionModule.h"
#include "platform/system/DynamicLibrary.h"
#include "platform/text/Utf16.h"
#include "res/ModuleResources.h"

namespace {

AFX_EXTENSION_MODULE g_extension;

bool Attach(HINSTANCE instance) {
    DisableThreadLibraryCalls(instance);
    if (!AfxInitExtensionModule(g_extension, instance, ModuleResources())) return false;
    auto* library = new CDynLinkLibrary(g_extension);
    if (!library->IsInChain()) {
        AfxTermExtensionModule(g_extension);
        return false;
    }
    return true;
}

void Detach() {
    AfxTermExtensionModule(g_extension);
    CModuleState& state = ModuleState();
    state.ownerViewName.clear();
    state.contactViewName.clear();
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) MINUVModuleBase* NUVModuleGetEntryPoint() {
    return CUserDetailsModule::Instance();
}

__attribute__((visibility("default"))) bool NUVModuleCanUnload() {
    return ModuleState().liveDialogCount == 0;
}

__attribute__((visibility("default"))) HRESULT NUVModuleGetVCard(MINUVPropertySet* record,
                                                                 BSTR* card) {
    if (!card) return E_POINTER;
    *card = nullptr;
    if (!record) return E_POINTER;
    MCVariantPropertySet data(record);
    const std::u16string text = winport::Utf8ToUtf16(CVCardWriter(&data).CardText());
    *card = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *card ? S_OK : E_OUTOFMEMORY;
}

__attribute__((visibility("default"))) BOOL DllMain(HINSTANCE instance, DWORD reason, void*) {
    switch (reason) {
        case DLL_PROCESS_ATTACH: return Attach(instance) ? TRUE : FALSE;
        case DLL_PROCESS_DETACH: Detach(); return TRUE;
        default: return TRUE;
    }
}

}  // extern "C"
