// The view as a host program uses it, without Qt in its own code: one session per program makes
// the QApplication (on Qt's offscreen platform for pictures), takes pictures of windows and runs
// the real windows.
#pragma once

#include <memory>
#include <string>

#include "view/qt/Session.h"

class QApplication;

namespace nuvview {

class ViewSession final : public Session {
public:
    // Whether Screen can show windows: a display (X11 or Wayland) or a Qt platform is named in
    // the environment. Without one Qt cannot start, so a program asks first and says why not.
    static bool ScreenAvailable();

    // Makes the program's QApplication (Offscreen needs no display), unless the program has one.
    explicit ViewSession(Display display);
    ~ViewSession() override;
    ViewSession(const ViewSession&) = delete;
    ViewSession& operator=(const ViewSession&) = delete;

    bool SavePicture(HWND window, const std::string& pngFile) override;
    // nuvview::RunWindows.
    int Run(winport::Agent& agent) override;
    const std::string& Error() const override { return m_error; }

private:
    int m_argc = 1;
    char m_name[8] = "nuvview";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
    std::string m_error;
};

}  // namespace nuvview
