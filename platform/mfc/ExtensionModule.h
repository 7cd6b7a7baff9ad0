// An extension library of the windowing class library: it registers its resource table when it
// is attached, so its templates, menus, bitmaps and strings are found by id, and takes it out of
// the chain again when it is detached.
#pragma once

#include "platform/core/WinTypes.h"
#include "platform/resources/ResourceTable.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    const winport::ResourceTable* resources = nullptr;
};

// Checks |resources| (every template valid, ids unique) and records them for |module|. FALSE with
// ERROR_INVALID_DATA naming the bad resource when the library cannot serve them.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module,
                            const winport::ResourceTable& resources);
// Takes every CDynLinkLibrary of |state| out of the chain and frees it.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);

// Puts an initialised extension module's resources into the chain. Allocated with new; freed by
// AfxTermExtensionModule.
class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    // FALSE when the table could not join the chain (the last error says why).
    BOOL IsInChain() const { return m_inChain; }
    bool IsOwnedBy(const AFX_EXTENSION_MODULE& state) const { return &m_state == &state; }

private:
    AFX_EXTENSION_MODULE& m_state;
    BOOL m_inChain;
};
