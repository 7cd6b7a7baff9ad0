#include "platform/shell/RegistryTree.h"

#include <algorithm>
#include <chrono>

namespace winport {

namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// FILETIME counts from 1601; the system clock from 1970.
std::uint64_t CurrentFileTime() {
    constexpr std::uint64_t kUnixEpochAsFileTime = 116444736000000000ULL;
    const auto sinceUnixEpoch = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return kUnixEpochAsFileTime + static_cast<std::uint64_t>(sinceUnixEpoch.count() / 100);
}

}  // namespace

bool RegistryNamesEqual(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

bool RegistryNameLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(UpperAscii(x)) <
               static_cast<unsigned char>(UpperAscii(y));
    });
}

bool IsRegistryStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

RegistryKey::RegistryKey(std::string name, RegistryKey* parent)
    : m_name(std::move(name)), m_parent(parent), m_lastWrite(CurrentFileTime()) {}

std::shared_ptr<RegistryKey> RegistryKey::FindSubkey(std::string_view name) const {
    const auto it = m_subkeys.find(name);
    return it == m_subkeys.end() ? nullptr : it->second;
}

std::shared_ptr<RegistryKey> RegistryKey::AddSubkey(std::string name) {
    auto subkey = std::make_shared<RegistryKey>(name, this);
    m_subkeys.emplace(std::move(name), subkey);
    Touch();
    return subkey;
}

void RegistryKey::DeleteSubkey(RegistryKey& subkey) {
    const auto it = m_subkeys.find(subkey.Name());
    it->second->MarkTreeDeleted();
    m_subkeys.erase(it);
    Touch();
}

std::size_t RegistryKey::ValueIndex(std::string_view name) const {
    const auto it = std::find_if(m_values.begin(), m_values.end(), [&](const RegistryValue& value) {
        return RegistryNamesEqual(value.name, name);
    });
    return static_cast<std::size_t>(it - m_values.begin());
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
    const std::size_t index = ValueIndex(name);
    return index < m_values.size() ? &m_values[index] : nullptr;
}

void RegistryKey::SetValue(std::string_view name, DWORD type, std::vector<BYTE> data) {
    const std::size_t index = ValueIndex(name);
    if (index < m_values.size()) {
        m_values[index].type = type;
        m_values[index].data = std::move(data);
    } else {
        m_values.push_back({std::string(name), type, std::move(data)});
    }
    Touch();
}

bool RegistryKey::DeleteValue(std::string_view name) {
    const auto erased = std::erase_if(
        m_values, [&](const RegistryValue& value) { return RegistryNamesEqual(value.name, name); });
    if (erased) Touch();
    return erased != 0;
}

void RegistryKey::MarkTreeDeleted() {
    m_deleted = true;
    m_parent = nullptr;
    for (const auto& [name, subkey] : m_subkeys) subkey->MarkTreeDeleted();
}

void RegistryKey::Touch() {
    m_lastWrite = CurrentFileTime();
}

RegistryRoots MakeEmptyRegistryRoots() {
    RegistryRoots roots;
    for (std::size_t i = 0; i < kRegistryRootCount; ++i) {
        roots[i] = std::make_shared<RegistryKey>(std::string(kRegistryRootNames[i]), nullptr);
    }
    return roots;
}

std::optional<std::vector<std::string_view>> SplitRegistryPath(std::string_view path) {
    if (path.starts_with('\\')) return std::nullopt;
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const auto separator = path.find('\\');
        const auto part = path.substr(0, separator);
        if (!part.empty()) parts.push_back(part);
        path.remove_prefix(separator == std::string_view::npos ? path.size() : separator + 1);
    }
    return parts;
}

std::shared_ptr<RegistryKey> FindRegistryPath(std::shared_ptr<RegistryKey> key,
                                              std::span<const std::string_view> path) {
    for (const std::string_view part : path) {
        if (!key) break;
        key = key->FindSubkey(part);
    }
    return key;
}

std::shared_ptr<RegistryKey> CreateRegistryPath(std::shared_ptr<RegistryKey> key,
                                                std::span<const std::string_view> path) {
    for (const std::string_view part : path) {
        auto subkey = key->FindSubkey(part);
        key = subkey ? std::move(subkey) : key->AddSubkey(std::string(part));
    }
    return key;
}

}  // namespace winport
