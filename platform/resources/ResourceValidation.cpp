#include "platform/resources/ResourceValidation.h"

#include <optional>
#include <string>
#include <unordered_set>

#include "platform/core/LastError.h"
#include "platform/core/WinMessages.h"

namespace winport {
namespace {

bool IsStaticId(int id) {
    return id == IDC_STATIC || id == 0xFFFF;
}

std::string DialogName(const DialogTemplate& dialog) {
    return "dialog template " + std::to_string(dialog.id);
}

// The first id that |resources| hold twice.
template <class Resource>
auto RepeatedId(std::span<const Resource> resources) -> std::optional<decltype(Resource::id)> {
    std::unordered_set<decltype(Resource::id)> seen;
    for (const Resource& resource : resources) {
        if (!seen.insert(resource.id).second) return resource.id;
    }
    return std::nullopt;
}

// The problem with the pixels of |bitmap|, or an empty text when they match its size.
std::string BitmapProblem(const BitmapResource& bitmap) {
    const std::string name = "bitmap " + std::to_string(bitmap.id) + ": ";
    if (bitmap.width <= 0 || bitmap.height <= 0) {
        return name + "size " + std::to_string(bitmap.width) + " x " +
               std::to_string(bitmap.height) + " is not positive";
    }
    const auto expected = static_cast<std::size_t>(bitmap.width) * bitmap.height;
    if (bitmap.pixels.size() == expected) return {};
    return name + std::to_string(bitmap.pixels.size()) + " pixels for a size of " +
           std::to_string(bitmap.width) + " x " + std::to_string(bitmap.height);
}

// Sets ERROR_INVALID_DATA with |problem| after the table's name; answers false.
bool FailTable(const ResourceTable& table, const std::string& problem) {
    SetLastErrorText(ERROR_INVALID_DATA,
                     "resource table '" + std::string(table.name) + "': " + problem);
    return false;
}

template <class Resource>
bool CheckUniqueIds(const ResourceTable& table, std::span<const Resource> resources,
                    std::string_view kind) {
    const auto repeated = RepeatedId(resources);
    if (!repeated) return true;
    return FailTable(table,
                     std::string(kind) + " id " + std::to_string(*repeated) + " appears twice");
}

}  // namespace

bool ValidateDialogTemplate(const DialogTemplate& dialog) {
    std::unordered_set<int> ids;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.className.empty()) {
            SetLastErrorText(ERROR_INVALID_DATA, DialogName(dialog) + ": control " +
                                                     std::to_string(control.id) +
                                                     " has no class name");
            return false;
        }
        if (!IsStaticId(control.id) && !ids.insert(control.id).second) {
            SetLastErrorText(ERROR_INVALID_DATA, DialogName(dialog) + ": control id " +
                                                     std::to_string(control.id) + " appears twice");
            return false;
        }
    }
    return true;
}

bool ValidateResourceTable(const ResourceTable& table) {
    for (const DialogTemplate& dialog : table.dialogs) {
        if (!ValidateDialogTemplate(dialog)) return FailTable(table, GetLastErrorText());
    }
    for (const BitmapResource& bitmap : table.bitmaps) {
        if (const std::string problem = BitmapProblem(bitmap); !problem.empty()) {
            return FailTable(table, problem);
        }
    }
    return CheckUniqueIds(table, table.dialogs, "dialog template") &&
           CheckUniqueIds(table, table.menus, "menu") &&
           CheckUniqueIds(table, table.bitmaps, "bitmap") &&
           CheckUniqueIds(table, table.strings, "string");
}

}  // namespace winport
