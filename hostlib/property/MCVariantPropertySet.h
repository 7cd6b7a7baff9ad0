// MCVariantPropertySet: a user's record by key, over the host's MINUVPropertySet. Copies
// share the interface; each holds its own reference and gives it back on every path.
#pragma once

#include <string_view>

#include "hostlib/property/MCVariantProperty.h"
#include "module/host/MINUVPropertySet.h"
#include "platform/com/ComPtr.h"

class MCVariantPropertySet {
public:
    MCVariantPropertySet() = default;
    // Takes its own reference to |set|, which may be null.
    explicit MCVariantPropertySet(MINUVPropertySet* set) : m_set(set) {}

    MCVariantProperty operator[](std::string_view key) { return {m_set, key}; }
    const MCVariantProperty operator[](std::string_view key) const { return {m_set, key}; }

    // Removes |key| with whatever it holds; false when it was not there or there is no
    // interface.
    bool Remove(std::string_view key);

    // Takes its own reference to |set| and gives back the one held before; null detaches.
    void SetPropertySetInterface(MINUVPropertySet* set) { m_set = set; }
    // Borrowed: valid while this set holds it.
    MINUVPropertySet* GetPropertySetInterface() const { return m_set.Get(); }

private:
    winport::ComPtr<MINUVPropertySet> m_set;
};
