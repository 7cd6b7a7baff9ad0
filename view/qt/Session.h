// The view as a program that loads it only when it shows windows sees it: the library's one entry
// point, found by name, opens a session, and the rest is virtual, so the program links neither
// the view nor Qt.
#pragma once

#include <string>

#include "platform/core/WinTypes.h"

namespace winport {
class Agent;
}

namespace nuvview {

class Session {
public:
    enum class Display { Screen, Offscreen };

    virtual ~Session() = default;

    // Saves a PNG picture of |window|; false, with Error() saying why, when it cannot.
    virtual bool SavePicture(HWND window, const std::string& pngFile) = 0;
    // Shows the platform's windows to a person until none is left.
    virtual int Run(winport::Agent& agent) = 0;
    virtual const std::string& Error() const = 0;
};

// The entry point: a new session on |display|, the caller's to delete, or null when Screen has
// no display to show windows on (neither DISPLAY, WAYLAND_DISPLAY nor QT_QPA_PLATFORM is set).
using OpenSessionProc = Session* (*)(Session::Display display);
inline constexpr char kOpenSessionName[] = "nuvview_OpenSession";

}  // namespace nuvview
