// What a display context keeps between calls: its colours, background mode, font, and what it
// records for a view.
#pragma once

#include <optional>
#include <vector>

#include "platform/gdi/Drawing.h"

namespace winport::gdi {

struct DcState {
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF backColor = RGB(255, 255, 255);
    int backMode = OPAQUE;
    HFONT font = nullptr;
    std::optional<std::vector<DrawnShape>> recording;
};

}  // namespace winport::gdi
