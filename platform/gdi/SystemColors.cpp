#include "platform/gdi/SystemColors.h"

#include <iterator>
#include <string>

#include "platform/core/LastError.h"
#include "platform/gdi/ObjectTable.h"

namespace {

// The classic scheme, by index. 25 is the alternate button face Windows keeps but never draws.
constexpr COLORREF kClassicColors[] = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

}  // namespace

namespace winport::gdi {

bool IsSysColorIndex(int index) {
    return index >= 0 && index < static_cast<int>(std::size(kClassicColors));
}

}  // namespace winport::gdi

COLORREF GetSysColor(int index) {
    return winport::gdi::IsSysColorIndex(index) ? kClassicColors[index] : 0;
}

HBRUSH GetSysColorBrush(int index) {
    using namespace winport::gdi;
    if (!IsSysColorIndex(index)) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "GetSysColorBrush: no system colour " + std::to_string(index));
        return nullptr;
    }
    return MakeHandle<HBRUSH>(HandleSpace::SysColorBrush, static_cast<std::uintptr_t>(index) + 1);
}
