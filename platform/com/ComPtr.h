// ComPtr<T>: the only strong holder of a COM object. It holds one reference and gives it back
// on every path: destruction, assignment, Reset and ReleaseAndGetAddressOf.
#pragma once

#include <concepts>
#include <cstddef>
#include <utility>

#include "platform/com/Unknown.h"

namespace winport {

template <class T>
class ComPtr {
public:
    using InterfaceType = T;

    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    template <class U>
    requires std::convertible_to<U*, T*> ComPtr(U* object)
    noexcept : m_ptr(object) { InternalAddRef(); }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.Get()) {}
    template <class U>
    requires std::convertible_to<U*, T*> ComPtr(const ComPtr<U>& other)
    noexcept : ComPtr(other.Get()) {}
    ComPtr(ComPtr&& other) noexcept : m_ptr(other.Detach()) {}
    template <class U>
    requires std::convertible_to<U*, T*> ComPtr(ComPtr<U>&& other)
    noexcept : m_ptr(other.Detach()) {}
    ~ComPtr() { InternalRelease(); }

    // Covers copy, move, raw pointers and nullptr; the old reference goes after the new one is
    // taken, so assigning an object to itself is safe.
    ComPtr& operator=(ComPtr other) noexcept {
        Swap(other);
        return *this;
    }

    T* Get() const noexcept { return m_ptr; }
    T* operator->() const noexcept { return m_ptr; }
    explicit operator bool() const noexcept { return m_ptr != nullptr; }

    // For an out parameter that must start empty; does not release.
    T** GetAddressOf() noexcept { return &m_ptr; }
    T** ReleaseAndGetAddressOf() noexcept {
        InternalRelease();
        return &m_ptr;
    }

    // Releases the held reference; answers the count Release reported, 0 when empty.
    ULONG Reset() noexcept { return InternalRelease(); }

    // Takes over a reference the caller owns, releasing the one held before.
    void Attach(T* object) noexcept {
        InternalRelease();
        m_ptr = object;
    }
    // Hands the reference to the caller, who must release it.
    [[nodiscard]] T* Detach() noexcept { return std::exchange(m_ptr, nullptr); }

    // Hands out an extra reference through an out parameter.
    HRESULT CopyTo(T** out) const noexcept {
        if (!out) return E_POINTER;
        *out = m_ptr;
        InternalAddRef();
        return S_OK;
    }

    // Queries for U; |out| is emptied first and stays empty on failure.
    template <ComInterface U>
    HRESULT As(ComPtr<U>* out) const noexcept {
        if (!out) return E_POINTER;
        ComPtr<U> result;
        const HRESULT hr =
            m_ptr ? m_ptr->QueryInterface(IID_PPV_ARGS(result.GetAddressOf())) : E_POINTER;
        *out = std::move(result);
        return hr;
    }

    void Swap(ComPtr& other) noexcept { std::swap(m_ptr, other.m_ptr); }

    template <class U>
    friend bool operator==(const ComPtr& a, const ComPtr<U>& b) noexcept {
        return a.Get() == b.Get();
    }
    friend bool operator==(const ComPtr& a, std::nullptr_t) noexcept { return !a.m_ptr; }

private:
    void InternalAddRef() const noexcept {
        if (m_ptr) m_ptr->AddRef();
    }
    ULONG InternalRelease() noexcept {
        T* old = std::exchange(m_ptr, nullptr);
        return old ? old->Release() : 0;
    }

    T* m_ptr = nullptr;
};

}  // namespace winport
