#include "platform/resources/ResourceChain.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "platform/core/LastError.h"
#include "platform/resources/ResourceValidation.h"

namespace winport {
namespace {

struct Chain {
    std::mutex mutex;
    std::vector<const ResourceTable*> tables;  // In the order they joined.
};

// Never destroyed, so a module may leave the chain from its own static destructors.
Chain& TheChain() {
    static auto* chain = new Chain;
    return *chain;
}

std::string TableName(const ResourceTable& table) {
    return "resource table '" + std::string(table.name) + "'";
}

template <class Resource, class Id>
const Resource* FindInChain(std::span<const Resource> ResourceTable::*resources, Id id,
                            std::string_view kind) {
    Chain& chain = TheChain();
    {
        std::lock_guard lock(chain.mutex);
        for (const ResourceTable* table : chain.tables) {
            const auto& candidates = table->*resources;
            const auto found = std::ranges::find(candidates, id, &Resource::id);
            if (found != candidates.end()) return &*found;
        }
    }
    SetLastErrorText(ERROR_RESOURCE_NAME_NOT_FOUND,
                     std::string(kind) + " " + std::to_string(id) + " is in no resource table");
    return nullptr;
}

}  // namespace

bool AddResourceTable(const ResourceTable& table) {
    if (!ValidateResourceTable(table)) return false;
    Chain& chain = TheChain();
    std::lock_guard lock(chain.mutex);
    if (std::ranges::find(chain.tables, &table) != chain.tables.end()) {
        SetLastErrorText(ERROR_ALREADY_EXISTS, TableName(table) + " is in the chain already");
        return false;
    }
    chain.tables.push_back(&table);
    return true;
}

bool RemoveResourceTable(const ResourceTable& table) {
    Chain& chain = TheChain();
    std::lock_guard lock(chain.mutex);
    if (std::erase(chain.tables, &table) == 0) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, TableName(table) + " is not in the chain");
        return false;
    }
    return true;
}

const DialogTemplate* FindDialogTemplate(int id) {
    return FindInChain(&ResourceTable::dialogs, id, "dialog template");
}

const MenuTemplate* FindMenuTemplate(int id) {
    return FindInChain(&ResourceTable::menus, id, "menu");
}

const BitmapResource* FindBitmapResource(int id) {
    return FindInChain(&ResourceTable::bitmaps, id, "bitmap");
}

std::optional<std::string> LoadStringResource(UINT id) {
    const StringResource* found = FindInChain(&ResourceTable::strings, id, "string");
    if (!found) return std::nullopt;
    return std::string(found->text);
}

}  // namespace winport
