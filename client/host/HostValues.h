// The client's record values at the host boundary: the interface's value types mapped onto the
// store's, and the failure codes the host objects answer besides the interface's own.
#pragma once

#include <atomic>
#include <cstdint>

#include "client/store/Value.h"
#include "module/host/MINUVPropertySet.h"

namespace nuvclient {

// A Long or ULong the store cannot hold (ERROR_ARITHMETIC_OVERFLOW).
inline constexpr HRESULT kValueOverflow = HRESULT_FROM_WIN32(534);
// No user has the number asked for (ERROR_NOT_FOUND).
inline constexpr HRESULT kUnknownUser = HRESULT_FROM_WIN32(1168);
// A nested property set whose place in the record was removed or replaced (ERROR_NOT_FOUND).
inline constexpr HRESULT kDetachedSet = HRESULT_FROM_WIN32(1168);
// The store failed (ERROR_WRITE_FAULT).
inline constexpr HRESULT kStoreFailed = HRESULT_FROM_WIN32(29);

// The store value for an integer of |type| (already NUVIntegerOf-converted). Long goes to Int32
// else UInt32, ULong to UInt32, and a value those cannot hold is refused with kValueOverflow.
HRESULT StoreInteger(NUVValueType type, std::int64_t value, Value& out);

// The interface type of a store value: Int8 reads as Char, UInt8 as UChar and so on; a nested
// record as PropertySet.
NUVValueType HostTypeOf(ValueType type);

// The host objects alive now (property sets and user objects), for checking that every
// reference handed out is given back.
class LiveHostObjects {
public:
    static long Count() { return s_count.load(std::memory_order_acquire); }

protected:
    LiveHostObjects() { s_count.fetch_add(1, std::memory_order_relaxed); }
    LiveHostObjects(const LiveHostObjects&) = delete;
    LiveHostObjects& operator=(const LiveHostObjects&) = delete;
    ~LiveHostObjects() { s_count.fetch_sub(1, std::memory_order_acq_rel); }

private:
    static inline std::atomic<long> s_count{0};
};

}  // namespace nuvclient
