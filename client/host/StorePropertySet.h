// StorePropertySet: one user's record in the client's Store, served as a MINUVPropertySet.
// Every write goes to the store at once, durable when the call returns. Texts are UTF-16 here
// and UTF-8 in the store. Not thread-safe: one thread uses it at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "client/host/HostValues.h"
#include "client/store/Store.h"
#include "module/host/MINUVPropertySet.h"
#include "platform/com/ComObject.h"

namespace nuvclient {

class StorePropertySet final : public winport::ComObject<MINUVPropertySet>,
                               private LiveHostObjects {
public:
    // The highest list index a write accepts.
    static constexpr LONG kMaxListIndex = 0xFFFF;

    // The whole record of |user|; |store| outlives the set and every nested set of it.
    static winport::ComPtr<StorePropertySet> Create(Store& store, std::uint32_t user);

    HRESULT GetValue(LPCOLESTR key, LONG index, NUVValueType* type, std::int64_t* integer,
                     BSTR* text) override;
    HRESULT SetInteger(LPCOLESTR key, LONG index, NUVValueType type, std::int64_t value) override;
    // The store keeps no missing list elements: a write more than one past a list's end is
    // refused with E_INVALIDARG.
    HRESULT SetText(LPCOLESTR key, LONG index, LPCOLESTR text) override;
    HRESULT OpenPropertySet(LPCOLESTR key, LONG index, NUVOpenMode mode,
                            MINUVPropertySet** set) override;
    HRESULT Remove(LPCOLESTR key) override;

private:
    // One step from a record to a value in it: a key, then an element of its list unless -1.
    struct Step {
        std::string key;
        LONG index;
    };
    using Path = std::vector<Step>;

    StorePropertySet(Store& store, std::uint32_t user, Path path);

    // The path of (key, index) below this set; E_POINTER or E_INVALIDARG for a bad address.
    HRESULT Address(LPCOLESTR key, LONG index, Path& path) const;
    // The value at |path| of |top| (a record holding the first key only), or null.
    static Value* Find(Record& top, const Path& path);
    // The slot at |path| for a write, made as needed; null when this set is detached or the
    // index leaves a gap.
    static HRESULT Slot(Record& top, const Path& path, Value*& slot);
    // Reads the first key of |path| into |top|; false when it is not stored.
    bool Load(const Path& path, Record& top);
    // Runs |change| on the slot at |path| and writes the first key back.
    template <class Change>
    HRESULT Write(const Path& path, Change change);

    Store& m_store;
    std::uint32_t m_user;
    // Where this set sits in the user's record; empty for the whole record.
    Path m_path;
};

}  // namespace nuvclient
