#include "platform/mfc/ExtensionModule.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/core/LastError.h"
#include "platform/resources/ResourceChain.h"
#include "platform/resources/ResourceValidation.h"

namespace {

std::mutex& LibrariesLock() {
    static std::mutex lock;
    return lock;
}

std::vector<CDynLinkLibrary*>& Libraries() {
    static std::vector<CDynLinkLibrary*> libraries;
    return libraries;
}

}  // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module,
                            const winport::ResourceTable& resources) {
    if (state.bInitialized) return TRUE;
    if (!winport::ValidateResourceTable(resources)) return FALSE;
    state.hModule = module;
    state.resources = &resources;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state) {
    std::vector<CDynLinkLibrary*> own;
    {
        std::lock_guard lock(LibrariesLock());
        own = Libraries();
    }
    for (CDynLinkLibrary* library : own) {
        if (library->IsOwnedBy(state)) delete library;
    }
    state.bInitialized = FALSE;
    state.resources = nullptr;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_state(state),
      m_inChain(state.bInitialized && state.resources &&
                winport::AddResourceTable(*state.resources)) {
    std::lock_guard lock(LibrariesLock());
    Libraries().push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    if (m_inChain) winport::RemoveResourceTable(*m_state.resources);
    std::lock_guard lock(LibrariesLock());
    std::erase(Libraries(), this);
}
