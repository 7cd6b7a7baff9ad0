#include "client/view/QtViewCommands.h"

#include "client/cli/OpenCommand.h"
#include "platform/automation/Agent.h"
#include "view/qt/ViewSession.h"

namespace nuvclient {
namespace {

int RunGui(ClientHost& host, const OpenRequest& request, std::ostream& err) {
    if (!nuvview::ViewSession::ScreenAvailable()) {
        err << "nuvclient: no display to show windows on (DISPLAY and WAYLAND_DISPLAY are unset)\n";
        return kExitFailure;
    }
    // Before any window: the session outlives them.
    nuvview::ViewSession session(nuvview::ViewSession::Display::Screen);
    std::string problem;
    // The owner's update warning and the like come up in front of the person, not before.
    if (!OpenWindowUnhandled(host, request, problem)) {
        err << "nuvclient: " << problem << '\n';
        return kExitFailure;
    }
    winport::Agent agent;
    return session.Run(agent) == 0 ? kExitSuccess : kExitFailure;
}

int RunShot(ClientHost& host, const OpenRequest& request, const std::filesystem::path& picture,
            std::ostream& err) {
    nuvview::ViewSession session(nuvview::ViewSession::Display::Offscreen);
    std::string problem;
    const HWND window = OpenWindow(host, request, problem);
    if (!window) {
        err << "nuvclient: " << problem << '\n';
        return kExitFailure;
    }
    // What a person sees once a fetch the window started has come back.
    if (!host.Settle()) err << "nuvclient: the directory has not answered yet\n";
    if (!session.SavePicture(window, picture.string())) {
        err << "nuvclient: " << session.Error() << '\n';
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace

const ViewCommands kQtViewCommands{&RunGui, &RunShot};

}  // namespace nuvclient
