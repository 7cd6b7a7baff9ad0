#include "client/host/StorePropertySet.h"

#include <new>
#include <utility>

#include "client/store/StoreError.h"
#include "hostlib/property/PropertyText.h"

namespace nuvclient {
namespace {

// Runs |body|, turning the store's exceptions into HRESULTs.
template <class Body>
HRESULT Guarded(Body body) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const StoreError&) {
        return kStoreFailed;
    }
}

}  // namespace

winport::ComPtr<StorePropertySet> StorePropertySet::Create(Store& store, std::uint32_t user) {
    return winport::ComPtr<StorePropertySet>(new StorePropertySet(store, user, Path{}));
}

StorePropertySet::StorePropertySet(Store& store, std::uint32_t user, Path path)
    : m_store(store), m_user(user), m_path(std::move(path)) {}

HRESULT StorePropertySet::Address(LPCOLESTR key, LONG index, std::string& name) {
    if (!key) return E_POINTER;
    if (*key == u'\0' || index < kNUVOwnValue || index > kNUVMaxListIndex) return E_INVALIDARG;
    name = PropertyTextFromWide(key);
    return S_OK;
}

template <class AnyRecord>
auto StorePropertySet::Below(AnyRecord& record, std::string_view key, LONG index)
    -> decltype(record.Find(key)) {
    auto* value = record.Find(key);
    if (!value || index == kNUVOwnValue) return value;
    if (value->Type() != ValueType::List) return nullptr;
    auto& elements = value->Elements();
    if (static_cast<std::size_t>(index) >= elements.size()) return nullptr;
    return &elements[static_cast<std::size_t>(index)];
}

template <class AnyRecord>
AnyRecord* StorePropertySet::Members(AnyRecord& top) const {
    AnyRecord* record = &top;
    for (const Step& step : m_path) {
        auto* value = Below(*record, step.key, step.index);
        if (!value || value->Type() != ValueType::Record) return nullptr;
        record = &value->Members();
    }
    return record;
}

std::string_view StorePropertySet::TopKey(std::string_view key) const {
    return m_path.empty() ? key : std::string_view(m_path.front().key);
}

Record StorePropertySet::LoadKey(std::string_view topKey) {
    Record top;
    if (std::optional<Value> stored = m_store.ReadKey(m_user, topKey)) {
        top.Set(topKey, std::move(*stored));
    }
    return top;
}

HRESULT StorePropertySet::Slot(Record& record, std::string_view key, LONG index, Value*& slot) {
    slot = record.Find(key);
    if (!slot) {
        record.Set(key, Value());
        slot = record.Find(key);
    }
    if (index == kNUVOwnValue) return S_OK;
    if (slot->Type() != ValueType::List) *slot = Value::OfList({});
    List& elements = slot->Elements();
    const auto position = static_cast<std::size_t>(index);
    if (position > elements.size()) return E_INVALIDARG;
    if (position == elements.size()) elements.emplace_back();
    slot = &elements[position];
    return S_OK;
}

template <class Change>
HRESULT StorePropertySet::Write(std::string_view key, LONG index, Change change) {
    return Guarded([&] {
        const std::string_view topKey = TopKey(key);
        Record top = LoadKey(topKey);
        Record* record = Members(top);
        if (!record) return kDetachedSet;
        Value* slot = nullptr;
        if (const HRESULT hr = Slot(*record, key, index, slot); FAILED(hr)) return hr;
        change(*slot);
        m_store.WriteKey(m_user, topKey, *top.Find(topKey));
        return S_OK;
    });
}

HRESULT StorePropertySet::GetValue(LPCOLESTR key, LONG index, NUVValueType* type,
                                   std::int64_t* integer, BSTR* text) {
    if (integer) *integer = 0;
    if (text) *text = nullptr;
    if (!type) return E_POINTER;
    *type = NUVValueType::Missing;
    std::string name;
    if (const HRESULT hr = Address(key, index, name); FAILED(hr)) return hr;
    return Guarded([&] {
        const Record* record = Members(m_store.CurrentRecord(m_user));
        const Value* value = record ? Below(*record, name, index) : nullptr;
        if (!value) return S_OK;
        *type = HostTypeOf(value->Type());
        if (integer && NUVIsIntegerType(*type)) *integer = value->Integer();
        if (integer && *type == NUVValueType::List) {
            *integer = static_cast<std::int64_t>(value->Elements().size());
        }
        if (text && *type == NUVValueType::Text) {
            const std::u16string wide = PropertyTextToWide(value->Text());
            *text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
            if (!*text) return E_OUTOFMEMORY;
        }
        return S_OK;
    });
}

HRESULT StorePropertySet::SetInteger(LPCOLESTR key, LONG index, NUVValueType type,
                                     std::int64_t value) {
    std::string name;
    if (const HRESULT hr = Address(key, index, name); FAILED(hr)) return hr;
    if (!NUVIsIntegerType(type)) return E_INVALIDARG;
    Value stored;
    if (const HRESULT hr = StoreInteger(type, NUVIntegerOf(type, value), stored); FAILED(hr)) {
        return hr;
    }
    return Write(name, index, [&](Value& slot) { slot = std::move(stored); });
}

HRESULT StorePropertySet::SetText(LPCOLESTR key, LONG index, LPCOLESTR text) {
    std::string name;
    if (const HRESULT hr = Address(key, index, name); FAILED(hr)) return hr;
    if (!text) return E_POINTER;
    return Write(name, index, [&](Value& slot) { slot = Value::Text(PropertyTextFromWide(text)); });
}

HRESULT StorePropertySet::OpenPropertySet(LPCOLESTR key, LONG index, NUVOpenMode mode,
                                          MINUVPropertySet** set) {
    if (!set) return E_POINTER;
    *set = nullptr;
    std::string name;
    if (const HRESULT hr = Address(key, index, name); FAILED(hr)) return hr;
    const HRESULT hr = Guarded([&] {
        if (mode == NUVOpenMode::Create) {
            return Write(name, index, [](Value& slot) {
                if (slot.Type() != ValueType::Record) slot = Value::OfRecord({});
            });
        }
        const Record* record = Members(m_store.CurrentRecord(m_user));
        const Value* value = record ? Below(*record, name, index) : nullptr;
        if (!value) return S_FALSE;
        return value->Type() == ValueType::Record ? S_OK : NUV_E_TYPEMISMATCH;
    });
    if (hr != S_OK) return hr;
    return Guarded([&] {
        Path path = m_path;
        path.push_back(Step{std::move(name), index});
        *set = new StorePropertySet(m_store, m_user, std::move(path));
        (*set)->AddRef();
        return S_OK;
    });
}

HRESULT StorePropertySet::Remove(LPCOLESTR key) {
    std::string name;
    if (const HRESULT hr = Address(key, kNUVOwnValue, name); FAILED(hr)) return hr;
    return Guarded([&] {
        if (m_path.empty()) return m_store.RemoveKey(m_user, name) ? S_OK : S_FALSE;
        const std::string_view topKey = TopKey(name);
        Record top = LoadKey(topKey);
        Record* record = Members(top);
        if (!record) return kDetachedSet;
        if (!record->Remove(name)) return S_FALSE;
        m_store.WriteKey(m_user, topKey, *top.Find(topKey));
        return S_OK;
    });
}

}  // namespace nuvclient
