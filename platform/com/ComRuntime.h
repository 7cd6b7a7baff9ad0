// The COM runtime: per-thread initialisation and CoCreateInstance over a process-wide registry
// of in-process classes that the host fills.
#pragma once

#include <functional>
#include <utility>

#include "platform/com/Unknown.h"

inline constexpr DWORD COINIT_MULTITHREADED = 0x0;
inline constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
inline constexpr DWORD COINIT_DISABLE_OLE1DDE = 0x4;
inline constexpr DWORD COINIT_SPEED_OVER_MEMORY = 0x8;

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
inline constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
inline constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
inline constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
inline constexpr DWORD CLSCTX_INPROC = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER;
inline constexpr DWORD CLSCTX_SERVER =
    CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
inline constexpr DWORD CLSCTX_ALL = CLSCTX_INPROC | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

// Counted per thread: S_OK for the first call, S_FALSE for the next ones, RPC_E_CHANGED_MODE when
// the thread already chose the other concurrency model. CoCreateInstance does not require it.
HRESULT CoInitialize(void* pvReserved);
HRESULT CoInitializeEx(void* pvReserved, DWORD dwCoInit);
void CoUninitialize();

// E_POINTER for a null |ppv|, otherwise *ppv is cleared first; REGDB_E_CLASSNOTREG when the class
// is not registered or |dwClsContext| asks for no in-process server; CLASS_E_NOAGGREGATION for an
// outer object; else whatever the class's factory answers.
HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid,
                         void** ppv);

namespace winport {

// Creates an instance and queries it for |riid| into |ppv|, as IClassFactory::CreateInstance.
using ComClassFactory = std::function<HRESULT(REFIID riid, void** ppv)>;

// Answers a cookie for RevokeComClass, or 0 (with the last error) for an empty factory or a
// class that is registered already.
DWORD RegisterComClass(REFCLSID clsid, ComClassFactory factory);
bool RevokeComClass(DWORD cookie);

// Registers a class for the lifetime of the object.
class ScopedComClass {
public:
    ScopedComClass(REFCLSID clsid, ComClassFactory factory)
        : m_cookie(RegisterComClass(clsid, std::move(factory))) {}
    ~ScopedComClass() {
        if (m_cookie) RevokeComClass(m_cookie);
    }
    ScopedComClass(const ScopedComClass&) = delete;
    ScopedComClass& operator=(const ScopedComClass&) = delete;

    bool Registered() const { return m_cookie != 0; }

private:
    DWORD m_cookie;
};

}  // namespace winport
