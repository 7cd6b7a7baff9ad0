#include "hostlib/property/MCVariantPropertySet.h"

#include <string>

#include "platform/text/Utf16.h"

bool MCVariantPropertySet::Remove(std::string_view key) {
    if (!m_set) return false;
    const std::u16string wideKey = winport::Utf8ToUtf16(key);
    return m_set->Remove(wideKey.c_str()) == S_OK;
}
