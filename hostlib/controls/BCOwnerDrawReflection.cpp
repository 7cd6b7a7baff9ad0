#include "hostlib/controls/BCOwnerDrawReflection.h"

#include "platform/mfc/Wnd.h"
#include "platform/window/WindowApi.h"

namespace {

BCOwnerDrawControl* WrapperOf(HWND parent, UINT controlId) {
    const HWND control = ::GetDlgItem(parent, static_cast<int>(controlId));
    return control ? dynamic_cast<BCOwnerDrawControl*>(CWnd::FromHandlePermanent(control))
                   : nullptr;
}

}  // namespace

std::optional<LRESULT> ReflectOwnerDraw(HWND parent, const winport::Message& m) {
    if (!m.lParam) return std::nullopt;
    if (m.id == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
        BCOwnerDrawControl* wrapper =
            measure->CtlType == ODT_MENU ? nullptr : WrapperOf(parent, measure->CtlID);
        if (!wrapper) return std::nullopt;
        wrapper->MeasureItem(measure);
        return TRUE;
    }
    if (m.id == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam);
        BCOwnerDrawControl* wrapper =
            draw->CtlType == ODT_MENU ? nullptr : WrapperOf(parent, draw->CtlID);
        if (!wrapper) return std::nullopt;
        wrapper->DrawItem(draw);
        return TRUE;
    }
    return std::nullopt;
}
