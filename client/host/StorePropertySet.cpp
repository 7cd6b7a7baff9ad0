#include "client/host/StorePropertySet.h"

#include <new>
#include <utility>

#include "client/store/StoreError.h"
#include "platform/text/Utf16.h"

namespace nuvclient {
namespace {

constexpr LONG kOwnValue = -1;

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

HRESULT StorePropertySet::Address(LPCOLESTR key, LONG index, Path& path) const {
    if (!key) return E_POINTER;
    if (*key == u'\0' || index < kOwnValue || index > kMaxListIndex) return E_INVALIDARG;
    path = m_path;
    path.push_back(Step{winport::Utf16ToUtf8(key), index});
    return S_OK;
}

Value* StorePropertySet::Find(Record& top, const Path& path) {
    Record* record = &top;
    Value* value = nullptr;
    for (const Step& step : path) {
        if (value) {
            if (value->Type() != ValueType::Record) return nullptr;
            record = &value->Members();
        }
        value = record->Find(step.key);
        if (!value) return nullptr;
        if (step.index == kOwnValue) continue;
        if (value->Type() != ValueType::List) return nullptr;
        List& elements = value->Elements();
        if (static_cast<std::size_t>(step.index) >= elements.size()) return nullptr;
        value = &elements[static_cast<std::size_t>(step.index)];
    }
    return value;
}

HRESULT StorePropertySet::Slot(Record& top, const Path& path, Value*& slot) {
    Record* record = &top;
    if (path.size() > 1) {
        Value* parent = Find(top, Path(path.begin(), path.end() - 1));
        if (!parent || parent->Type() != ValueType::Record) return kDetachedSet;
        record = &parent->Members();
    }
    const Step& step = path.back();
    slot = record->Find(step.key);
    if (!slot) {
        record->Set(step.key, Value());
        slot = record->Find(step.key);
    }
    if (step.index == kOwnValue) return S_OK;
    if (slot->Type() != ValueType::List) *slot = Value::OfList({});
    List& elements = slot->Elements();
    const auto position = static_cast<std::size_t>(step.index);
    if (position > elements.size()) return E_INVALIDARG;
    if (position == elements.size()) elements.emplace_back();
    slot = &elements[position];
    return S_OK;
}

bool StorePropertySet::Load(const Path& path, Record& top) {
    std::optional<Value> value = m_store.ReadKey(m_user, path.front().key);
    if (!value) return false;
    top.Set(path.front().key, std::move(*value));
    return true;
}

template <class Change>
HRESULT StorePropertySet::Write(const Path& path, Change change) {
    return Guarded([&] {
        Record top;
        Load(path, top);
        Value* slot = nullptr;
        if (const HRESULT hr = Slot(top, path, slot); FAILED(hr)) return hr;
        change(*slot);
        m_store.WriteKey(m_user, path.front().key, *top.Find(path.front().key));
        return S_OK;
    });
}

HRESULT StorePropertySet::GetValue(LPCOLESTR key, LONG index, NUVValueType* type,
                                   std::int64_t* integer, BSTR* text) {
    if (integer) *integer = 0;
    if (text) *text = nullptr;
    if (!type) return E_POINTER;
    *type = NUVValueType::Missing;
    Path path;
    if (const HRESULT hr = Address(key, index, path); FAILED(hr)) return hr;
    return Guarded([&] {
        Record top;
        if (!Load(path, top)) return S_OK;
        const Value* value = Find(top, path);
        if (!value) return S_OK;
        *type = HostTypeOf(value->Type());
        if (integer && NUVIsIntegerType(*type)) *integer = value->Integer();
        if (integer && *type == NUVValueType::List) {
            *integer = static_cast<std::int64_t>(value->Elements().size());
        }
        if (text && *type == NUVValueType::Text) {
            const std::u16string wide = winport::Utf8ToUtf16(value->Text());
            *text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
            if (!*text) return E_OUTOFMEMORY;
        }
        return S_OK;
    });
}

HRESULT StorePropertySet::SetInteger(LPCOLESTR key, LONG index, NUVValueType type,
                                     std::int64_t value) {
    Path path;
    if (const HRESULT hr = Address(key, index, path); FAILED(hr)) return hr;
    if (!NUVIsIntegerType(type)) return E_INVALIDARG;
    Value stored;
    if (const HRESULT hr = StoreInteger(type, NUVIntegerOf(type, value), stored); FAILED(hr)) {
        return hr;
    }
    return Write(path, [&](Value& slot) { slot = std::move(stored); });
}

HRESULT StorePropertySet::SetText(LPCOLESTR key, LONG index, LPCOLESTR text) {
    Path path;
    if (const HRESULT hr = Address(key, index, path); FAILED(hr)) return hr;
    if (!text) return E_POINTER;
    return Write(path, [&](Value& slot) { slot = Value::Text(winport::Utf16ToUtf8(text)); });
}

HRESULT StorePropertySet::OpenPropertySet(LPCOLESTR key, LONG index, NUVOpenMode mode,
                                          MINUVPropertySet** set) {
    if (!set) return E_POINTER;
    *set = nullptr;
    Path path;
    if (const HRESULT hr = Address(key, index, path); FAILED(hr)) return hr;
    const HRESULT hr = Guarded([&] {
        if (mode == NUVOpenMode::Create) {
            return Write(path, [](Value& slot) {
                if (slot.Type() != ValueType::Record) slot = Value::OfRecord({});
            });
        }
        Record top;
        const Value* value = Load(path, top) ? Find(top, path) : nullptr;
        if (!value) return S_FALSE;
        return value->Type() == ValueType::Record ? S_OK : NUV_E_TYPEMISMATCH;
    });
    if (hr != S_OK) return hr;
    return Guarded([&] {
        *set = new StorePropertySet(m_store, m_user, std::move(path));
        (*set)->AddRef();
        return S_OK;
    });
}

HRESULT StorePropertySet::Remove(LPCOLESTR key) {
    Path path;
    if (const HRESULT hr = Address(key, kOwnValue, path); FAILED(hr)) return hr;
    return Guarded([&] {
        if (m_path.empty()) return m_store.RemoveKey(m_user, path.front().key) ? S_OK : S_FALSE;
        Record top;
        Value* parent = Load(path, top) ? Find(top, m_path) : nullptr;
        if (!parent || parent->Type() != ValueType::Record) return kDetachedSet;
        if (!parent->Members().Remove(path.back().key)) return S_FALSE;
        m_store.WriteKey(m_user, path.front().key, *top.Find(path.front().key));
        return S_OK;
    });
}

}  // namespace nuvclient
