#include "hostlib/property/MCMemoryPropertySet.h"

namespace {

HRESULT CheckAddress(LPCOLESTR key, LONG index) {
    if (!key) return E_POINTER;
    if (*key == u'\0' || index < kNUVOwnValue || index > kNUVMaxListIndex) {
        return E_INVALIDARG;
    }
    return S_OK;
}

HRESULT HandOut(const winport::ComPtr<MCMemoryPropertySet>& nested, MINUVPropertySet** set) {
    *set = nested.Get();
    (*set)->AddRef();
    return S_OK;
}

}  // namespace

winport::ComPtr<MCMemoryPropertySet> MCMemoryPropertySet::Create() {
    return winport::ComPtr<MCMemoryPropertySet>(new MCMemoryPropertySet());
}

const MCMemoryPropertySet::Value* MCMemoryPropertySet::Find(std::u16string_view key,
                                                            LONG index) const {
    const auto found = m_values.find(key);
    if (found == m_values.end()) return nullptr;
    const Value& value = found->second;
    if (index == kNUVOwnValue) return &value;
    if (value.type != NUVValueType::List) return nullptr;
    if (static_cast<std::size_t>(index) >= value.elements.size()) return nullptr;
    return &value.elements[static_cast<std::size_t>(index)];
}

MCMemoryPropertySet::Value& MCMemoryPropertySet::Slot(std::u16string_view key, LONG index) {
    auto found = m_values.find(key);
    if (found == m_values.end()) found = m_values.emplace(std::u16string(key), Value{}).first;
    Value& value = found->second;
    if (index == kNUVOwnValue) return value;
    if (value.type != NUVValueType::List) value = Value(NUVValueType::List);
    const auto position = static_cast<std::size_t>(index);
    if (value.elements.size() <= position) value.elements.resize(position + 1);
    return value.elements[position];
}

HRESULT MCMemoryPropertySet::GetValue(LPCOLESTR key, LONG index, NUVValueType* type,
                                      std::int64_t* integer, BSTR* text) {
    if (integer) *integer = 0;
    if (text) *text = nullptr;
    if (!type) return E_POINTER;
    *type = NUVValueType::Missing;
    if (const HRESULT hr = CheckAddress(key, index); FAILED(hr)) return hr;
    const Value* value = Find(key, index);
    if (!value) return S_OK;
    *type = value->type;
    if (integer && NUVIsIntegerType(value->type)) *integer = value->integer;
    if (integer && value->type == NUVValueType::List) {
        *integer = static_cast<std::int64_t>(value->elements.size());
    }
    if (text && value->type == NUVValueType::Text) {
        *text = SysAllocStringLen(value->text.data(), static_cast<UINT>(value->text.size()));
        if (!*text) return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT MCMemoryPropertySet::SetInteger(LPCOLESTR key, LONG index, NUVValueType type,
                                        std::int64_t value) {
    if (const HRESULT hr = CheckAddress(key, index); FAILED(hr)) return hr;
    if (!NUVIsIntegerType(type)) return E_INVALIDARG;
    Value& slot = Slot(key, index);
    slot = Value(type);
    slot.integer = NUVIntegerOf(type, value);
    return S_OK;
}

HRESULT MCMemoryPropertySet::SetText(LPCOLESTR key, LONG index, LPCOLESTR text) {
    if (const HRESULT hr = CheckAddress(key, index); FAILED(hr)) return hr;
    if (!text) return E_POINTER;
    Value& slot = Slot(key, index);
    slot = Value(NUVValueType::Text);
    slot.text = text;
    return S_OK;
}

HRESULT MCMemoryPropertySet::OpenPropertySet(LPCOLESTR key, LONG index, NUVOpenMode mode,
                                             MINUVPropertySet** set) {
    if (!set) return E_POINTER;
    *set = nullptr;
    if (const HRESULT hr = CheckAddress(key, index); FAILED(hr)) return hr;
    if (mode == NUVOpenMode::Create) {
        Value& slot = Slot(key, index);
        if (slot.type != NUVValueType::PropertySet) {
            slot = Value(NUVValueType::PropertySet);
            slot.set = Create();
        }
        return HandOut(slot.set, set);
    }
    const Value* value = Find(key, index);
    if (!value || value->type == NUVValueType::Missing) return S_FALSE;
    if (value->type != NUVValueType::PropertySet) return NUV_E_TYPEMISMATCH;
    return HandOut(value->set, set);
}

HRESULT MCMemoryPropertySet::Remove(LPCOLESTR key) {
    if (const HRESULT hr = CheckAddress(key, kNUVOwnValue); FAILED(hr)) return hr;
    return m_values.erase(key) ? S_OK : S_FALSE;
}
