// The registry's keys in memory: values, subkeys, names and paths. Not thread-safe on its own;
// RegistryStore guards it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell/Registry.h"

namespace winport {

// Registry names compare without regard to ASCII case; other bytes compare exactly. The order is
// that of the upper-cased names, in which Windows enumerates subkeys.
bool RegistryNamesEqual(std::string_view a, std::string_view b);
struct RegistryNameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

bool IsRegistryStringType(DWORD type);

struct RegistryValue {
    std::string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

class RegistryKey {
public:
    using SubkeyMap = std::map<std::string, std::shared_ptr<RegistryKey>, RegistryNameLess>;

    // Borrows |parent|, which owns this key for as long as it is in the tree.
    RegistryKey(std::string name, RegistryKey* parent);
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    const std::string& Name() const { return m_name; }
    // Null for a root and for a deleted key.
    RegistryKey* Parent() const { return m_parent; }
    bool IsDeleted() const { return m_deleted; }
    // In FILETIME units: 100 ns since 1601-01-01 UTC.
    std::uint64_t LastWriteTime() const { return m_lastWrite; }

    const SubkeyMap& Subkeys() const { return m_subkeys; }
    std::shared_ptr<RegistryKey> FindSubkey(std::string_view name) const;
    std::shared_ptr<RegistryKey> AddSubkey(std::string name);
    // Detaches |subkey|, which must have no subkeys, and marks it deleted.
    void DeleteSubkey(RegistryKey& subkey);

    const std::vector<RegistryValue>& Values() const { return m_values; }
    const RegistryValue* FindValue(std::string_view name) const;
    // Replacing a value keeps its place and the case of its name.
    void SetValue(std::string_view name, DWORD type, std::vector<BYTE> data);
    bool DeleteValue(std::string_view name);

    // Marks this key and every key below it deleted, for handles that outlive a replaced tree.
    void MarkTreeDeleted();

private:
    // The position of the value called |name|, or Values().size() when there is none.
    std::size_t ValueIndex(std::string_view name) const;
    void Touch();

    std::string m_name;
    RegistryKey* m_parent;
    bool m_deleted = false;
    std::uint64_t m_lastWrite;
    SubkeyMap m_subkeys;
    std::vector<RegistryValue> m_values;
};

inline constexpr std::size_t kRegistryRootCount = 4;
using RegistryRoots = std::array<std::shared_ptr<RegistryKey>, kRegistryRootCount>;
// The roots' names, in the order of their predefined handle values.
inline constexpr std::array<std::string_view, kRegistryRootCount> kRegistryRootNames = {
    "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"};

RegistryRoots MakeEmptyRegistryRoots();

// The components of a key path: separated by backslashes, empty ones skipped. Nullopt when the
// path starts with a backslash, which Windows rejects.
std::optional<std::vector<std::string_view>> SplitRegistryPath(std::string_view path);
// The key |path| names below |key|, or null when one of its components does not exist.
std::shared_ptr<RegistryKey> FindRegistryPath(std::shared_ptr<RegistryKey> key,
                                              std::span<const std::string_view> path);
// The key |path| names below |key|, created with the missing keys on the way.
std::shared_ptr<RegistryKey> CreateRegistryPath(std::shared_ptr<RegistryKey> key,
                                                std::span<const std::string_view> path);

}  // namespace winport
