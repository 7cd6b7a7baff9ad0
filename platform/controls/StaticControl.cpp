#include "platform/controls/StaticControl.h"

#include <memory>
#include <string>

#include "platform/controls/ControlSupport.h"
#include "platform/core/LastError.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

// Which image kinds a static of |kind| shows; the others are refused.
bool ShowsImage(DWORD kind, UINT type) {
    switch (kind) {
        case SS_ICON: return type == IMAGE_ICON || type == IMAGE_CURSOR;
        case SS_BITMAP: return type == IMAGE_BITMAP;
        case SS_ENHMETAFILE: return type == IMAGE_ENHMETAFILE;
        default: return false;
    }
}

struct Registrar {
    Registrar() {
        RegisterSystemClass("Static", [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<StaticControl>(hwnd);
        });
    }
} const kRegistrar;

}  // namespace

LRESULT StaticControl::HandleMessage(const Message& m) {
    switch (m.id) {
        case WM_NCCREATE: return OnNcCreate(m);
        case WM_GETDLGCODE: return DLGC_STATIC;
        case STM_SETIMAGE:
            return OnSetImage(static_cast<UINT>(m.wParam), reinterpret_cast<void*>(m.lParam));
        case STM_GETIMAGE: return OnGetImage(static_cast<UINT>(m.wParam));
        case STM_SETICON: return OnSetImage(IMAGE_ICON, reinterpret_cast<void*>(m.wParam));
        case STM_GETICON: return OnGetImage(IMAGE_ICON);
        case WM_LBUTTONDOWN: return OnMouse(STN_CLICKED);
        case WM_LBUTTONDBLCLK: return OnMouse(STN_DBLCLK);
        case WM_ENABLE: return OnEnable(m.wParam != 0);
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT StaticControl::OnNcCreate(const Message& m) {
    // Sunken statics and etched lines draw a static edge, which Windows adds as an extended style.
    const DWORD kind = Kind();
    if ((WindowStyle(m_hwnd) & SS_SUNKEN) || kind == SS_ETCHEDHORZ || kind == SS_ETCHEDVERT) {
        SetWindowLongPtr(m_hwnd, GWL_EXSTYLE,
                         GetWindowLongPtr(m_hwnd, GWL_EXSTYLE) | WS_EX_STATICEDGE);
    }
    return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
}

LRESULT StaticControl::OnSetImage(UINT type, void* image) {
    if (!ShowsImage(Kind(), type)) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "a static of kind " + std::to_string(Kind()) +
                                                      " does not show images of type " +
                                                      std::to_string(type));
        return 0;
    }
    void* previous = m_image;
    m_image = image;
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT StaticControl::OnGetImage(UINT type) const {
    return ShowsImage(Kind(), type) ? reinterpret_cast<LRESULT>(m_image) : 0;
}

LRESULT StaticControl::OnMouse(WORD code) {
    if ((WindowStyle(m_hwnd) & SS_NOTIFY) && AcceptsMouse(m_hwnd)) NotifyParent(m_hwnd, code);
    return 0;
}

LRESULT StaticControl::OnEnable(bool enabled) {
    if (WindowStyle(m_hwnd) & SS_NOTIFY) NotifyParent(m_hwnd, enabled ? STN_ENABLE : STN_DISABLE);
    return 0;
}

DWORD StaticControl::Kind() const {
    return WindowStyle(m_hwnd) & SS_TYPEMASK;
}

}  // namespace winport
