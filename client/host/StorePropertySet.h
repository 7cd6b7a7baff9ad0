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

    // The key of (key, index) in UTF-8; E_POINTER or E_INVALIDARG for a bad address.
    static HRESULT Address(LPCOLESTR key, LONG index, std::string& name);
    // The value at (key, index) of |record|, or null.
    template <class AnyRecord>
    static auto Below(AnyRecord& record, std::string_view key, LONG index)
        -> decltype(record.Find(key));
    // The slot at (key, index) of |record| for a write, made as needed; E_INVALIDARG when the
    // index leaves a gap.
    static HRESULT Slot(Record& record, std::string_view key, LONG index, Value*& slot);
    // The record this set stands for within |top| (a record holding at least the user's key
    // this set lies under), or null when its place is gone.
    template <class AnyRecord>
    AnyRecord* Members(AnyRecord& top) const;
    // The user's key that holds (key, index) of this set.
    std::string_view TopKey(std::string_view key) const;
    // A record holding only the user's key |topKey| as stored, for a write to change.
    Record LoadKey(std::string_view topKey);
    // Runs |change| on the slot at (key, index) and writes the user's key back.
    template <class Change>
    HRESULT Write(std::string_view key, LONG index, Change change);

    Store& m_store;
    std::uint32_t m_user;
    // Where this set sits in the user's record; empty for the whole record.
    Path m_path;
};

}  // namespace nuvclient
