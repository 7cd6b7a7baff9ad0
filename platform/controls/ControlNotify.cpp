#include "platform/core/CommonControls.h"

#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

LRESULT winport::SendNotify(HWND control, NMHDR& header, UINT code) {
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header.code = code;
    const HWND parent = GetParent(control);
    if (!parent) return 0;
    return SendMessage(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}
