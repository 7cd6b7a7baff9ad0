#include "view/qt/ViewSession.h"

#include <QApplication>

#include "platform/window/WindowApi.h"
#include "view/qt/Gui.h"
#include "view/qt/Render.h"

namespace nuvview {

bool ViewSession::ScreenAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    }
    return false;
}

ViewSession::ViewSession(Display display) {
    if (QCoreApplication::instance()) return;
    if (display == Display::Offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");
    m_application = std::make_unique<QApplication>(m_argc, m_argv);
}

ViewSession::~ViewSession() = default;

bool ViewSession::SavePicture(HWND window, const std::string& pngFile) {
    if (!IsWindow(window)) {
        m_error = "there is no window to take a picture of";
        return false;
    }
    if (!RenderWindow(window, QString::fromStdString(pngFile))) {
        m_error = pngFile + ": cannot write the picture";
        return false;
    }
    m_error.clear();
    return true;
}

int ViewSession::Run(winport::Agent& agent) {
    return RunWindows(agent);
}

}  // namespace nuvview
