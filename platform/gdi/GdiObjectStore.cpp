#include "platform/gdi/GdiObjectStore.h"

#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SystemColors.h"

namespace winport::gdi {

namespace {

ObjectTable<GdiObject>& Created() {
    static ObjectTable<GdiObject> table(HandleSpace::GdiObject);
    return table;
}

std::optional<GdiObject> SysColorBrushAt(std::uintptr_t serial) {
    const auto index = static_cast<int>(serial - 1);
    if (!IsSysColorIndex(index)) return std::nullopt;
    return LOGBRUSH{BS_SOLID, GetSysColor(index), 0};
}

}  // namespace

HGDIOBJ AddObject(GdiObject object) {
    return Created().Add<HGDIOBJ>(std::move(object));
}

std::optional<GdiObject> FindObject(HGDIOBJ handle) {
    if (std::uintptr_t serial = HandleSerial(HandleSpace::StockObject, handle)) {
        return StockObjectAt(static_cast<int>(serial - 1));
    }
    if (std::uintptr_t serial = HandleSerial(HandleSpace::SysColorBrush, handle)) {
        return SysColorBrushAt(serial);
    }
    return Created().Find(handle);
}

bool IsSystemObject(HGDIOBJ handle) {
    return (HandleSerial(HandleSpace::StockObject, handle) ||
            HandleSerial(HandleSpace::SysColorBrush, handle)) &&
           FindObject(handle).has_value();
}

bool RemoveObject(HGDIOBJ handle) {
    return Created().Remove(handle);
}

std::size_t CreatedObjectCount() {
    return Created().Count();
}

}  // namespace winport::gdi
