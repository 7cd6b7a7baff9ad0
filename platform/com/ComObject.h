// ComObject<Interfaces...>: the IUnknown part of a COM class. It counts references atomically,
// deletes itself on the last Release and answers QueryInterface for IUnknown and every listed
// interface:
//
//   class Greeter final : public winport::ComObject<IGreeter, IDisposable> { ... };
//   winport::ComPtr<IGreeter> greeter = winport::MakeComObject<Greeter>("hello");
#pragma once

#include <atomic>
#include <tuple>
#include <utility>

#include "platform/com/ComPtr.h"
#include "platform/com/Unknown.h"

namespace winport {

template <ComInterface... Interfaces>
class ComObject : public Interfaces... {
    static_assert(sizeof...(Interfaces) > 0, "a COM object implements at least one interface");
    using Primary = std::tuple_element_t<0, std::tuple<Interfaces...>>;

public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override {
        if (!ppvObject) return E_POINTER;
        *ppvObject = Find(riid);
        if (!*ppvObject) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return m_refs.fetch_add(1, std::memory_order_relaxed) + 1; }
    ULONG Release() override {
        const ULONG left = m_refs.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0) delete this;
        return left;
    }

    // The current reference count, for tests that check a balance.
    ULONG RefCount() const { return m_refs.load(std::memory_order_acquire); }

    // The object's identity: the same pointer whichever interface it is reached through.
    IUnknown* Unknown() { return static_cast<Primary*>(this); }

protected:
    // Starts without references: the first ComPtr takes the first one.
    ComObject() = default;
    ~ComObject() override = default;

private:
    void* Find(REFIID riid) {
        if (riid == IUnknown::kIid) return Unknown();
        void* found = nullptr;
        (void)((riid == Interfaces::kIid && (found = static_cast<Interfaces*>(this))) || ...);
        return found;
    }

    std::atomic<ULONG> m_refs{0};
};

template <class T, class... Args>
ComPtr<T> MakeComObject(Args&&... args) {
    return ComPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace winport
