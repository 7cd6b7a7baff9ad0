// MCMemoryPropertySet: a MINUVPropertySet kept in memory, for hosts that build a record before
// storing it and for tests. Not thread-safe: one thread uses it at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "module/host/MINUVPropertySet.h"
#include "platform/com/ComObject.h"

class MCMemoryPropertySet final : public winport::ComObject<MINUVPropertySet> {
public:
    static winport::ComPtr<MCMemoryPropertySet> Create();

    HRESULT GetValue(LPCOLESTR key, LONG index, NUVValueType* type, std::int64_t* integer,
                     BSTR* text) override;
    HRESULT SetInteger(LPCOLESTR key, LONG index, NUVValueType type, std::int64_t value) override;
    HRESULT SetText(LPCOLESTR key, LONG index, LPCOLESTR text) override;
    HRESULT OpenPropertySet(LPCOLESTR key, LONG index, NUVOpenMode mode,
                            MINUVPropertySet** set) override;
    HRESULT Remove(LPCOLESTR key) override;

private:
    struct Value {
        Value() = default;
        explicit Value(NUVValueType t) : type(t) {}

        NUVValueType type = NUVValueType::Missing;
        std::int64_t integer = 0;
        std::u16string text;
        winport::ComPtr<MCMemoryPropertySet> set;
        std::vector<Value> elements;
    };

    MCMemoryPropertySet() = default;
    const Value* Find(std::u16string_view key, LONG index) const;
    // The value at (key, index), made as Missing when it is not there.
    Value& Slot(std::u16string_view key, LONG index);

    std::map<std::u16string, Value, std::less<>> m_values;
};
