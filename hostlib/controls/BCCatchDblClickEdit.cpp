#include "hostlib/controls/BCCatchDblClickEdit.h"

#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

const winport::Route<BCCatchDblClickEdit> BCCatchDblClickEdit::kRoutes[] = {
    {WM_LBUTTONDBLCLK, &BCCatchDblClickEdit::OnDoubleClick},
};

LRESULT BCCatchDblClickEdit::OnDoubleClick(WPARAM, LPARAM) {
    const HWND self = m_hWnd;
    NMHDR header;
    header.hwndFrom = self;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    header.code = NM_DBLCLK;
    ::SendMessage(::GetParent(self), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    // The parent's handler may have destroyed the edit.
    return ::IsWindow(self) ? Default() : 0;
}

std::optional<LRESULT> BCCatchDblClickEdit::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CWnd::OnMessage(m);
}
