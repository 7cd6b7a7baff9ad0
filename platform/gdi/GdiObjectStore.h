// The GDI objects behind HGDIOBJ handles: created ones in a table, stock objects and system
// colour brushes made on demand from the current settings.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <variant>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PixelImage.h"

namespace winport::gdi {

struct DcState;

// A display context handed out by GetDC; it lives until ReleaseDC. Its state (colours, font,
// what it records) is shared by every copy the store hands out.
struct ScreenDc {
    HWND window = nullptr;
    std::shared_ptr<DcState> state;
};

using GdiObject = std::variant<LOGPEN, LOGBRUSH, LOGFONT, PixelImagePtr, ScreenDc>;

HGDIOBJ AddObject(GdiObject object);
// A created object, a stock object or a system colour brush; std::nullopt for anything else.
std::optional<GdiObject> FindObject(HGDIOBJ handle);
// Stock objects and system colour brushes belong to the system and are never deleted.
bool IsSystemObject(HGDIOBJ handle);
bool RemoveObject(HGDIOBJ handle);
std::size_t CreatedObjectCount();

template <class T>
std::optional<T> FindObjectOf(HGDIOBJ handle) {
    std::optional<GdiObject> object = FindObject(handle);
    if (!object) return std::nullopt;
    if (const T* value = std::get_if<T>(&*object)) return *value;
    return std::nullopt;
}

}  // namespace winport::gdi
