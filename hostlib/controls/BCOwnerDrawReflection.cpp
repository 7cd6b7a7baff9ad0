#include "hostlib/controls/BCOwnerDrawReflection.h"

#include "platform/mfc/Wnd.h"
#include "platform/window/WindowApi.h"

namespace {

BCOwnerDrawControl* WrapperOf(HWND parent, UINT controlId) {
    const HWND control = ::GetDlgItem(parent, static_cast<int>(controlId));
    return control ? dynamic_cast<BCOwnerDrawControl*>(CWnd::FromHandlePermanent(control))
                   : nullptr;
}

// Hands |m|'s structure to the wrapper of the control it names.
template <class Item>
std::optional<LRESULT> Reflect(HWND parent, const winport::Message& m,
                               void (BCOwnerDrawControl::*handle)(Item*)) {
    auto* item = reinterpret_cast<Item*>(m.lParam);
    BCOwnerDrawControl* wrapper =
        item->CtlType == ODT_MENU ? nullptr : WrapperOf(parent, item->CtlID);
    if (!wrapper) return std::nullopt;
    (wrapper->*handle)(item);
    return TRUE;
}

}  // namespace

std::optional<LRESULT> ReflectOwnerDraw(HWND parent, const winport::Message& m) {
    if (!m.lParam) return std::nullopt;
    if (m.id == WM_MEASUREITEM) return Reflect(parent, m, &BCOwnerDrawControl::MeasureItem);
    if (m.id == WM_DRAWITEM) return Reflect(parent, m, &BCOwnerDrawControl::DrawItem);
    return std::nullopt;
}
