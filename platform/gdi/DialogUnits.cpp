#include "platform/gdi/DialogUnits.h"

#include "platform/gdi/Font.h"
#include "platform/gdi/MulDiv.h"

namespace {

int HorizontalPixels(int x, SIZE baseUnits) {
    return MulDiv(x, baseUnits.cx, 4);
}
int VerticalPixels(int y, SIZE baseUnits) {
    return MulDiv(y, baseUnits.cy, 8);
}

}  // namespace

LONG GetDialogBaseUnits() {
    const SIZE units = winport::DialogBaseUnits(nullptr);
    return MAKELONG(static_cast<WORD>(units.cx), static_cast<WORD>(units.cy));
}

namespace winport {

SIZE DialogBaseUnits(HFONT font) {
    std::optional<FontMetrics> metrics = GetFontMetrics(font);
    if (!metrics) return SIZE{};
    return SIZE{metrics->averageCharWidth, metrics->height};
}

RECT DialogUnitsToPixels(RECT dialogUnits, SIZE baseUnits) {
    return RECT{HorizontalPixels(dialogUnits.left, baseUnits),
                VerticalPixels(dialogUnits.top, baseUnits),
                HorizontalPixels(dialogUnits.right, baseUnits),
                VerticalPixels(dialogUnits.bottom, baseUnits)};
}

RECT DialogItemToPixels(int x, int y, int cx, int cy, SIZE baseUnits) {
    const LONG left = HorizontalPixels(x, baseUnits);
    const LONG top = VerticalPixels(y, baseUnits);
    return RECT{left, top, left + HorizontalPixels(cx, baseUnits),
                top + VerticalPixels(cy, baseUnits)};
}

}  // namespace winport
