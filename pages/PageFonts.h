// The fonts pages make from a control's own: semi-bold labels, underlined fields.
#pragma once

#include <functional>
#include <span>

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowApi.h"

// The weight of the pages' emphasised labels.
inline constexpr LONG kSemiBoldWeight = 600;

// Makes the font of control |sourceId| of |dialog| as |change| alters it and gives it to the
// controls |targets|. The caller owns the font and deletes it once the controls are gone; null
// when the control's font cannot be read or the new one made.
HFONT GiveFontVariant(HWND dialog, int sourceId, std::span<const int> targets,
                      const std::function<void(LOGFONT&)>& change);
