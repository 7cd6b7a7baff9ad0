// IUnknown, the root of every COM interface, and the conventions interfaces follow: each
// declares its identity as `static constexpr IID kIid`.
#pragma once

#include <concepts>
#include <type_traits>

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"
#include "platform/core/WinTypes.h"

class IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{00000000-0000-0000-C000-000000000046}");

    virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    // Declared after the operations so they keep the first three places of the table; an
    // object is destroyed by its last Release, never by a delete through an interface.
    virtual ~IUnknown() = default;
};
using LPUNKNOWN = IUnknown*;

namespace winport {

template <class T>
concept ComInterface = std::derived_from<T, IUnknown> && requires {
    { T::kIid } -> std::convertible_to<const IID&>;
};

template <ComInterface T>
constexpr const IID& IidOf() {
    return T::kIid;
}

template <ComInterface T>
void** PpvArgs(T** pp) {
    return reinterpret_cast<void**>(pp);
}

}  // namespace winport

// QueryInterface(IID_PPV_ARGS(&raw)) or CoCreateInstance(..., IID_PPV_ARGS(ptr.GetAddressOf())).
#define IID_PPV_ARGS(pp) \
    ::winport::IidOf<std::remove_cvref_t<decltype(**(pp))>>(), ::winport::PpvArgs(pp)
