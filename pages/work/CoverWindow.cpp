#include "pages/work/CoverWindow.h"

#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace {

constexpr char kCoverClass[] = "NUVInfoCover";

}  // namespace

BOOL CCoverWindow::Cover(CWnd& parent, HWND control, const char* title) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    parent.ScreenToClient(&rect);
    if (!CreateEx(0, winport::PlainWindowClass(kCoverClass), title, WS_CHILD | WS_VISIBLE, rect,
                  &parent, 0))
        return FALSE;
    return BringWindowToTop();
}
