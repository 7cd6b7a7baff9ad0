// The entry point a program finds by name when it loads the view.
#include <type_traits>

#include "view/qt/Session.h"
#include "view/qt/ViewSession.h"

extern "C" __attribute__((visibility("default"))) nuvview::Session* nuvview_OpenSession(
    nuvview::Session::Display display) {
    if (display == nuvview::Session::Display::Screen && !nuvview::ViewSession::ScreenAvailable())
        return nullptr;
    return new nuvview::ViewSession(display);
}

static_assert(std::is_same_v<decltype(&nuvview_OpenSession), nuvview::OpenSessionProc>);
