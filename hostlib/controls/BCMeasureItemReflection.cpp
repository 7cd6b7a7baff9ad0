#include "hostlib/controls/BCMeasureItemReflection.h"

#include "platform/mfc/Wnd.h"
#include "platform/window/WindowApi.h"

std::optional<LRESULT> ReflectMeasureItem(HWND parent, const winport::Message& m) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
    if (m.id != WM_MEASUREITEM || !measure || measure->CtlType == ODT_MENU) return std::nullopt;
    const HWND control = ::GetDlgItem(parent, static_cast<int>(measure->CtlID));
    auto* wrapper =
        control ? dynamic_cast<BCMeasuringControl*>(CWnd::FromHandlePermanent(control)) : nullptr;
    if (!wrapper) return std::nullopt;
    wrapper->MeasureItem(measure);
    return TRUE;
}
