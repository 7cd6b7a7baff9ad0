// The platform's windows as real windows a person uses with mouse and keyboard.
#pragma once

namespace winport {
class Agent;
}

namespace nuvview {

// Shows every top-level window of the platform and runs Qt's event loop, handling the
// platform's posted messages between Qt's events, until no window is left to show; answers
// QApplication::exec()'s code. |agent| carries what the person does to the windows; message
// boxes, Save As and popup menus are asked with Qt's dialogs meanwhile. A QApplication must
// exist.
int RunWindows(winport::Agent& agent);

}  // namespace nuvview
