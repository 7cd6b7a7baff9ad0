#include "platform/controls/ButtonKind.h"

#include "platform/core/WinStyles.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {

ButtonKind ButtonKindOf(HWND hwnd) {
    if (GetClassNameOf(hwnd) != "Button") return ButtonKind::NotAButton;
    switch (static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: return ButtonKind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return ButtonKind::Radio;
        case BS_GROUPBOX: return ButtonKind::GroupBox;
        case BS_OWNERDRAW: return ButtonKind::OwnerDrawn;
        default: return ButtonKind::Push;
    }
}

}  // namespace winport
