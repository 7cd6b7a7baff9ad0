#include "platform/controls/tab/TabControl.h"

#include <algorithm>
#include <memory>

#include "platform/controls/ControlSupport.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/text/TextCopy.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

struct Registrar {
    Registrar() {
        RegisterSystemClass(WC_TABCONTROL, [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<TabControl>(hwnd);
        });
    }
} const kRegistrar;

}  // namespace

LRESULT TabControl::HandleMessage(const Message& m) {
    switch (m.id) {
        case TCM_INSERTITEMA:
            return OnInsertItem(static_cast<int>(m.wParam),
                                reinterpret_cast<const TCITEMA*>(m.lParam));
        case TCM_DELETEITEM: return OnDeleteItem(static_cast<int>(m.wParam));
        case TCM_DELETEALLITEMS: return OnDeleteAllItems();
        case TCM_GETITEMCOUNT: return static_cast<LRESULT>(m_tabs.size());
        case TCM_GETITEMA:
            return OnGetItem(static_cast<int>(m.wParam), reinterpret_cast<TCITEMA*>(m.lParam));
        case TCM_SETITEMA:
            return OnSetItem(static_cast<int>(m.wParam),
                             reinterpret_cast<const TCITEMA*>(m.lParam));
        case TCM_GETCURSEL: return m_selected;
        case TCM_SETCURSEL: return OnSetCurSel(static_cast<int>(m.wParam));
        case TCM_GETCURFOCUS: return m_selected;
        case TCM_SETCURFOCUS: return OnSetCurFocus(static_cast<int>(m.wParam));
        case TCM_GETIMAGELIST: return reinterpret_cast<LRESULT>(m_images);
        case TCM_SETIMAGELIST: return OnSetImageList(reinterpret_cast<HIMAGELIST>(m.lParam));
        case TCM_SETPADDING:
            return OnSetPadding(LOWORD(static_cast<UINT_PTR>(m.lParam)),
                                HIWORD(static_cast<UINT_PTR>(m.lParam)));
        case TCM_GETROWCOUNT: return m_tabs.empty() ? 0 : 1;
        case TCM_GETITEMRECT:
            return OnGetItemRect(static_cast<int>(m.wParam), reinterpret_cast<RECT*>(m.lParam));
        case TCM_ADJUSTRECT: return OnAdjustRect(m.wParam != 0, reinterpret_cast<RECT*>(m.lParam));
        case TCM_HITTEST: return OnHitTest(reinterpret_cast<TCHITTESTINFO*>(m.lParam));
        case WM_LBUTTONDOWN: return OnButtonDown(PointFromLParam(m.lParam));
        case WM_LBUTTONUP: return OnButtonUp();
        case WM_RBUTTONUP: return OnRightButtonUp(PointFromLParam(m.lParam));
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam), m.lParam);
        case WM_GETDLGCODE: return OnGetDlgCode(reinterpret_cast<const MSG*>(m.lParam));
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT TabControl::OnInsertItem(int index, const TCITEMA* item) {  // Never notifies.
    if (!item || index < 0) return -1;
    index = std::min(index, static_cast<int>(m_tabs.size()));
    Tab tab;
    if ((item->mask & TCIF_TEXT) && item->pszText) tab.text = item->pszText;
    if (item->mask & TCIF_IMAGE) tab.image = item->iImage;
    if (item->mask & TCIF_PARAM) tab.param = item->lParam;
    m_tabs.insert(m_tabs.begin() + index, std::move(tab));
    // The first tab is selected as it arrives; later ones keep the selected tab selected.
    if (m_tabs.size() == 1) {
        m_selected = 0;
    } else if (index <= m_selected) {
        ++m_selected;
    }
    return index;
}

LRESULT TabControl::OnDeleteItem(int index) {  // Never notifies.
    if (!ValidIndex(index)) return FALSE;
    m_tabs.erase(m_tabs.begin() + index);
    // Deleting the selected tab leaves none selected.
    if (index == m_selected) {
        m_selected = -1;
    } else if (index < m_selected) {
        --m_selected;
    }
    return TRUE;
}

LRESULT TabControl::OnDeleteAllItems() {
    m_tabs.clear();
    m_selected = -1;
    return TRUE;
}

LRESULT TabControl::OnGetItem(int index, TCITEMA* item) const {
    if (!item) return FALSE;
    if (!ValidIndex(index)) {
        // The fields asked for come back cleared.
        if (item->mask & TCIF_IMAGE) item->iImage = 0;
        if (item->mask & TCIF_PARAM) item->lParam = 0;
        if (item->mask & TCIF_STATE) item->dwState = 0;
        return FALSE;
    }
    const Tab& tab = m_tabs[static_cast<std::size_t>(index)];
    if (item->mask & TCIF_IMAGE) item->iImage = tab.image;
    if (item->mask & TCIF_PARAM) item->lParam = tab.param;
    if (item->mask & TCIF_STATE) item->dwState = tab.state & item->dwStateMask;
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        CopyTextToBuffer(tab.text, item->pszText, item->cchTextMax);
    }
    return TRUE;
}

LRESULT TabControl::OnSetItem(int index, const TCITEMA* item) {
    if (!item || !ValidIndex(index)) return FALSE;
    Tab& tab = m_tabs[static_cast<std::size_t>(index)];
    if (item->mask & TCIF_TEXT) tab.text = item->pszText ? item->pszText : "";
    if (item->mask & TCIF_IMAGE) tab.image = item->iImage;
    if (item->mask & TCIF_PARAM) tab.param = item->lParam;
    if (item->mask & TCIF_STATE) {
        tab.state = (tab.state & ~item->dwStateMask) | (item->dwState & item->dwStateMask);
    }
    return TRUE;
}

LRESULT TabControl::OnSetCurSel(int index) {  // Never notifies.
    if (index >= static_cast<int>(m_tabs.size())) return -1;
    const int previous = m_selected;
    m_selected = std::max(index, -1);
    return previous;
}

LRESULT TabControl::OnSetCurFocus(int index) {
    // In tab mode the focused tab is the selected one, so this selects as a person does.
    if (ValidIndex(index) && index != m_selected) PickByUser(index);
    return 0;
}

LRESULT TabControl::OnSetImageList(HIMAGELIST list) {
    HIMAGELIST previous = m_images;
    m_images = list;
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT TabControl::OnSetPadding(WORD horizontal, WORD vertical) {
    m_paddingX = horizontal;
    m_paddingY = vertical;
    return 0;
}

LRESULT TabControl::OnButtonDown(POINT point) {
    if (!AcceptsMouse(m_hwnd)) return 0;
    if (!(WindowStyle(m_hwnd) & TCS_FOCUSNEVER)) {
        SetFocus(m_hwnd);
        if (!IsWindow(m_hwnd)) return 0;
    }
    const int index = HitTest(point);
    if (index != -1 && index != m_selected) PickByUser(index);
    return 0;
}

LRESULT TabControl::OnButtonUp() {
    if (AcceptsMouse(m_hwnd)) NotifySimple(NM_CLICK);
    return 0;
}

LRESULT TabControl::OnRightButtonUp(POINT point) {
    if (!AcceptsMouse(m_hwnd)) return 0;
    NotifySimple(NM_RCLICK);
    if (!IsWindow(m_hwnd)) return 0;
    // Then the release asks for a context menu, as for any window.
    return DefWindowProc(m_hwnd, WM_RBUTTONUP, 0,
                         MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

LRESULT TabControl::OnKeyDown(UINT key, LPARAM keyData) {
    // TCN_KEYDOWN comes first, for every key.
    NMTCKEYDOWN notification;
    notification.wVKey = static_cast<WORD>(key);
    notification.flags = static_cast<UINT>(keyData);
    SendNotify(m_hwnd, notification.hdr, TCN_KEYDOWN);
    if (!IsWindow(m_hwnd) || m_tabs.empty()) return 0;
    const int count = static_cast<int>(m_tabs.size());
    int target = -1;
    switch (key) {
        case VK_LEFT: target = m_selected - 1; break;
        case VK_RIGHT: target = m_selected + 1; break;
        case VK_TAB:
            // Ctrl+Tab and Ctrl+Shift+Tab go round the tabs.
            if (GetKeyState(VK_CONTROL) >= 0) break;
            if (GetKeyState(VK_SHIFT) < 0) {
                target = m_selected <= 0 ? count - 1 : m_selected - 1;
            } else {
                target = (m_selected + 1) % count;
            }
            break;
        default: break;
    }
    if (ValidIndex(target) && target != m_selected) PickByUser(target);
    return 0;
}

LRESULT TabControl::OnGetDlgCode(const MSG* msg) const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // Ctrl+Tab switches tabs rather than moving the dialog's focus.
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        code |= DLGC_WANTTAB;
    }
    return code;
}

void TabControl::PickByUser(int index) {
    if (NotifySimple(TCN_SELCHANGING) != 0 || !IsWindow(m_hwnd)) return;
    // The handler may have removed tabs.
    if (!ValidIndex(index)) return;
    m_selected = index;
    NotifySimple(TCN_SELCHANGE);
}

LRESULT TabControl::NotifySimple(UINT code) {
    NMHDR header;
    return SendNotify(m_hwnd, header, code);
}

bool TabControl::ValidIndex(int index) const {
    return index >= 0 && index < static_cast<int>(m_tabs.size());
}

}  // namespace winport
