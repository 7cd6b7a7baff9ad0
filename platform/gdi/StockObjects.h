// GetStockObject: the brushes, pens and fonts every process shares and nobody deletes.
#pragma once

#include <optional>

#include "platform/gdi/GdiObjectStore.h"

inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int OEM_FIXED_FONT = 10;
inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEVICE_DEFAULT_FONT = 14;
inline constexpr int SYSTEM_FIXED_FONT = 16;
inline constexpr int DEFAULT_GUI_FONT = 17;
inline constexpr int DC_BRUSH = 18;
inline constexpr int DC_PEN = 19;

// The same handle on every call; NULL with ERROR_INVALID_PARAMETER for an unknown index.
// DEFAULT_PALETTE (15) is not provided: nothing here draws with palettes.
HGDIOBJ GetStockObject(int index);

namespace winport::gdi {

// The stock object |index| as it stands now: the fonts follow the logical pixels per inch.
std::optional<GdiObject> StockObjectAt(int index);

}  // namespace winport::gdi
