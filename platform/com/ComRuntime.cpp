#include "platform/com/ComRuntime.h"

#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/core/LastError.h"

namespace {

struct ThreadComState {
    ULONG initCount = 0;
    DWORD model = COINIT_MULTITHREADED;
};

ThreadComState& ThisThread() {
    thread_local ThreadComState state;
    return state;
}

struct RegisteredClass {
    DWORD cookie;
    winport::ComClassFactory factory;
};

class ClassRegistry {
public:
    DWORD Register(REFCLSID clsid, winport::ComClassFactory factory) {
        std::lock_guard lock(m_mutex);
        if (m_classes.contains(clsid)) {
            winport::SetLastErrorText(
                ERROR_CLASS_ALREADY_EXISTS,
                "RegisterComClass: " + winport::GuidToString(clsid) + " is registered already");
            return 0;
        }
        const DWORD cookie = m_nextCookie++;
        m_classes.emplace(clsid, RegisteredClass{cookie, std::move(factory)});
        return cookie;
    }

    bool Revoke(DWORD cookie) {
        std::lock_guard lock(m_mutex);
        for (auto it = m_classes.begin(); it != m_classes.end(); ++it) {
            if (it->second.cookie == cookie) {
                m_classes.erase(it);
                return true;
            }
        }
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "RevokeComClass: no class has cookie " + std::to_string(cookie));
        return false;
    }

    // A copy, so the factory runs unlocked and may itself create or register classes.
    winport::ComClassFactory Find(REFCLSID clsid) {
        std::lock_guard lock(m_mutex);
        const auto found = m_classes.find(clsid);
        return found == m_classes.end() ? nullptr : found->second.factory;
    }

private:
    std::mutex m_mutex;
    std::unordered_map<CLSID, RegisteredClass> m_classes;
    DWORD m_nextCookie = 1;
};

// Never destroyed, so a registration revoked by a static destructor still finds it.
ClassRegistry& Registry() {
    static auto* registry = new ClassRegistry;
    return *registry;
}

}  // namespace

HRESULT CoInitialize(void* pvReserved) {
    return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED);
}

HRESULT CoInitializeEx(void*, DWORD dwCoInit) {
    ThreadComState& state = ThisThread();
    const DWORD model = dwCoInit & COINIT_APARTMENTTHREADED;
    if (state.initCount > 0 && state.model != model) return RPC_E_CHANGED_MODE;
    state.model = model;
    return state.initCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize() {
    ThreadComState& state = ThisThread();
    if (state.initCount > 0) --state.initCount;
}

HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid,
                         void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    const winport::ComClassFactory factory =
        (dwClsContext & CLSCTX_INPROC) ? Registry().Find(rclsid) : nullptr;
    if (!factory) {
        winport::SetLastErrorText(
            static_cast<DWORD>(REGDB_E_CLASSNOTREG),
            "CoCreateInstance: no in-process class " + winport::GuidToString(rclsid));
        return REGDB_E_CLASSNOTREG;
    }
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;
    return factory(riid, ppv);
}

namespace winport {

DWORD RegisterComClass(REFCLSID clsid, ComClassFactory factory) {
    if (!factory) {
        SetLastErrorText(ERROR_INVALID_PARAMETER,
                         "RegisterComClass: empty factory for " + GuidToString(clsid));
        return 0;
    }
    return Registry().Register(clsid, std::move(factory));
}

bool RevokeComClass(DWORD cookie) {
    return Registry().Revoke(cookie);
}

}  // namespace winport
