#include "hostlib/property/MCVariantProperty.h"

#include <cstdlib>
#include <utility>

#include "hostlib/property/PropertyText.h"

namespace {

constexpr LONG kOwnValue = -1;

std::int64_t ParseInteger(const std::string& text) {
    return std::strtoll(text.c_str(), nullptr, 10);
}

std::string FormatInteger(NUVValueType type, std::int64_t value) {
    if (type == NUVValueType::ULong) return std::to_string(static_cast<std::uint64_t>(value));
    return std::to_string(NUVIntegerOf(type, value));
}

}  // namespace

MCVariantProperty::MCVariantProperty(winport::ComPtr<MINUVPropertySet> root, std::string_view key)
    : m_root(std::move(root)), m_path{{PropertyTextToWide(key), kOwnValue}} {}

MCVariantProperty MCVariantProperty::Child(std::string_view key) const {
    MCVariantProperty child(*this);
    if (!child.m_path.empty()) child.m_path.push_back({PropertyTextToWide(key), kOwnValue});
    return child;
}

MCVariantProperty MCVariantProperty::Element(int index) const {
    MCVariantProperty element(*this);
    if (element.m_path.empty() || element.m_path.back().index != kOwnValue || index < 0) {
        element.m_path.clear();
    } else {
        element.m_path.back().index = index;
    }
    return element;
}

MCVariantProperty MCVariantProperty::operator[](std::string_view key) {
    return Child(key);
}
const MCVariantProperty MCVariantProperty::operator[](std::string_view key) const {
    return Child(key);
}
MCVariantProperty MCVariantProperty::operator[](int index) {
    return Element(index);
}
const MCVariantProperty MCVariantProperty::operator[](int index) const {
    return Element(index);
}

MINUVPropertySet* MCVariantProperty::Container(NUVOpenMode mode,
                                               winport::ComPtr<MINUVPropertySet>& nested) const {
    if (m_path.empty()) return nullptr;
    MINUVPropertySet* set = m_root.Get();
    for (std::size_t i = 0; set && i + 1 < m_path.size(); ++i) {
        winport::ComPtr<MINUVPropertySet> next;
        const Step& step = m_path[i];
        if (set->OpenPropertySet(step.key.c_str(), step.index, mode, next.GetAddressOf()) != S_OK) {
            return nullptr;
        }
        nested = std::move(next);
        set = nested.Get();
    }
    return set;
}

MCVariantProperty::Value MCVariantProperty::Read() const {
    winport::ComPtr<MINUVPropertySet> nested;
    MINUVPropertySet* set = Container(NUVOpenMode::Existing, nested);
    if (!set) return {};
    Value value;
    BSTR text = nullptr;
    const Step& step = m_path.back();
    const HRESULT hr =
        set->GetValue(step.key.c_str(), step.index, &value.type, &value.integer, &text);
    if (text && SUCCEEDED(hr)) value.text = PropertyTextFromWide({text, SysStringLen(text)});
    SysFreeString(text);
    return SUCCEEDED(hr) ? value : Value{};
}

std::int64_t MCVariantProperty::ReadInteger() const {
    const Value value = Read();
    if (NUVIsIntegerType(value.type)) return NUVIntegerOf(value.type, value.integer);
    if (value.type == NUVValueType::Text) return ParseInteger(value.text);
    return 0;
}

MCVariantProperty::operator char() const {
    return static_cast<char>(ReadInteger());
}
MCVariantProperty::operator bool() const {
    return ReadInteger() != 0;
}
MCVariantProperty::operator unsigned char() const {
    return static_cast<unsigned char>(ReadInteger());
}
MCVariantProperty::operator short() const {
    return static_cast<short>(ReadInteger());
}
MCVariantProperty::operator unsigned short() const {
    return static_cast<unsigned short>(ReadInteger());
}
MCVariantProperty::operator int() const {
    return static_cast<int>(ReadInteger());
}
MCVariantProperty::operator unsigned int() const {
    return static_cast<unsigned int>(ReadInteger());
}
MCVariantProperty::operator long() const {
    return static_cast<long>(ReadInteger());
}
MCVariantProperty::operator unsigned long() const {
    return static_cast<unsigned long>(ReadInteger());
}

MCVariantProperty::operator std::string() const {
    Value value = Read();
    if (value.type == NUVValueType::Text) return std::move(value.text);
    if (NUVIsIntegerType(value.type)) return FormatInteger(value.type, value.integer);
    return {};
}

int MCVariantProperty::GetSize() const {
    const Value value = Read();
    return value.type == NUVValueType::List ? static_cast<int>(value.integer) : 0;
}

bool MCVariantProperty::Exists() const {
    return Read().type != NUVValueType::Missing;
}

MCVariantProperty& MCVariantProperty::WriteInteger(NUVValueType type, std::int64_t value) {
    winport::ComPtr<MINUVPropertySet> nested;
    if (MINUVPropertySet* set = Container(NUVOpenMode::Create, nested)) {
        const Step& step = m_path.back();
        set->SetInteger(step.key.c_str(), step.index, type, value);
    }
    return *this;
}

MCVariantProperty& MCVariantProperty::WriteText(std::string_view text) {
    winport::ComPtr<MINUVPropertySet> nested;
    if (MINUVPropertySet* set = Container(NUVOpenMode::Create, nested)) {
        const Step& step = m_path.back();
        set->SetText(step.key.c_str(), step.index, PropertyTextToWide(text).c_str());
    }
    return *this;
}

MCVariantProperty& MCVariantProperty::operator=(char value) {
    return WriteInteger(NUVValueType::Char, value);
}
MCVariantProperty& MCVariantProperty::operator=(bool value) {
    return WriteInteger(NUVValueType::Bool, value);
}
MCVariantProperty& MCVariantProperty::operator=(unsigned char value) {
    return WriteInteger(NUVValueType::UChar, value);
}
MCVariantProperty& MCVariantProperty::operator=(short value) {
    return WriteInteger(NUVValueType::Short, value);
}
MCVariantProperty& MCVariantProperty::operator=(unsigned short value) {
    return WriteInteger(NUVValueType::UShort, value);
}
MCVariantProperty& MCVariantProperty::operator=(int value) {
    return WriteInteger(NUVValueType::Int, value);
}
MCVariantProperty& MCVariantProperty::operator=(unsigned int value) {
    return WriteInteger(NUVValueType::UInt, value);
}
MCVariantProperty& MCVariantProperty::operator=(long value) {
    return WriteInteger(NUVValueType::Long, value);
}
MCVariantProperty& MCVariantProperty::operator=(unsigned long value) {
    return WriteInteger(NUVValueType::ULong, static_cast<std::int64_t>(value));
}
MCVariantProperty& MCVariantProperty::operator=(std::string_view text) {
    return WriteText(text);
}
MCVariantProperty& MCVariantProperty::operator=(const char* text) {
    return WriteText(text ? std::string_view(text) : std::string_view());
}
