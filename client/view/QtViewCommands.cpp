#include "client/view/QtViewCommands.h"

#include <memory>
#include <string>

#include "client/cli/OpenCommand.h"
#include "platform/automation/Agent.h"
#include "platform/core/LastError.h"
#include "platform/system/DynamicLibrary.h"
#include "view/qt/Session.h"

namespace nuvclient {
namespace {

// A session of the view at |library|, which is loaded on first use and kept until the program
// ends, as Qt is not made to be unloaded; null, with the reason told on |err|, when there is none.
std::unique_ptr<nuvview::Session> OpenSession(const std::filesystem::path& library,
                                              nuvview::Session::Display display,
                                              std::ostream& err) {
    static const HMODULE loaded = LoadLibrary(library.c_str());
    const auto open = reinterpret_cast<nuvview::OpenSessionProc>(
        loaded ? GetProcAddress(loaded, nuvview::kOpenSessionName) : nullptr);
    if (!open) {
        err << "nuvclient: " << library.string()
            << ": cannot load the Qt view: " << winport::GetLastErrorText() << '\n';
        return nullptr;
    }
    std::unique_ptr<nuvview::Session> session(open(display));
    if (!session) {
        err << "nuvclient: no display to show windows on (DISPLAY and WAYLAND_DISPLAY are unset)\n";
    }
    return session;
}

int RunGui(const std::filesystem::path& library, ClientHost& host, const OpenRequest& request,
           std::ostream& err) {
    // Before any window: the session outlives them.
    const auto session = OpenSession(library, nuvview::Session::Display::Screen, err);
    if (!session) return kExitFailure;
    std::string problem;
    // The owner's update warning and the like come up in front of the person, not before.
    if (!OpenWindowUnhandled(host, request, problem)) {
        err << "nuvclient: " << problem << '\n';
        return kExitFailure;
    }
    winport::Agent agent;
    return session->Run(agent) == 0 ? kExitSuccess : kExitFailure;
}

int RunShot(const std::filesystem::path& library, ClientHost& host, const OpenRequest& request,
            const std::filesystem::path& picture, std::ostream& err) {
    const auto session = OpenSession(library, nuvview::Session::Display::Offscreen, err);
    if (!session) return kExitFailure;
    std::string problem;
    const HWND window = OpenWindow(host, request, problem);
    if (!window) {
        err << "nuvclient: " << problem << '\n';
        return kExitFailure;
    }
    // What a person sees once a fetch the window started has come back.
    if (!host.Settle()) err << "nuvclient: the directory has not answered yet\n";
    if (!session->SavePicture(window, picture.string())) {
        err << "nuvclient: " << session->Error() << '\n';
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace

const ViewCommands kQtViewCommands{&RunGui, &RunShot};

}  // namespace nuvclient
