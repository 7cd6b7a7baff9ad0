#include "pages/work/CoverWindow.h"

#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace {

constexpr char kCoverClass[] = "NUVInfoCover";

// A class of the default attributes. Its procedure lives in the platform, so the class stays
// sound after the module that registered it is unloaded.
const char* CoverClass() {
    WNDCLASS existing{};
    if (!GetClassInfo(nullptr, kCoverClass, &existing)) {
        WNDCLASS wc{};
        wc.lpfnWndProc = &::DefWindowProc;
        wc.lpszClassName = kCoverClass;
        RegisterClass(&wc);
    }
    return kCoverClass;
}

}  // namespace

BOOL CCoverWindow::Cover(CWnd& parent, HWND control, const char* title) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    parent.ScreenToClient(&rect);
    if (!CreateEx(0, CoverClass(), title, WS_CHILD | WS_VISIBLE, rect, &parent, 0)) return FALSE;
    return BringWindowToTop();
}
