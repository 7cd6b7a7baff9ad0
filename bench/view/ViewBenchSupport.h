// What the view benchmarks share: the owner's window open over the sample data, and the view's
// session on Qt's offscreen platform.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "bench/SampleData.h"
#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "details/UserDetailsDialog.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"
#include "tests/client/BuildTreeHost.h"
#include "view/qt/ViewSession.h"

namespace nuvclient {

// The sample data in a fresh folder, the client over it and the owner's window open.
class OwnerWindow {
public:
    OwnerWindow() {
        m_host = std::make_unique<ClientHost>(m_data.UserStore(), test::BuildTreeHost());
        std::string problem;
        m_window = OpenWindow(*m_host, {WindowKind::Owner}, problem);
        if (!m_window) std::abort();
    }
    ~OwnerWindow() {
        DestroyWindow(m_window);
        winport::PumpMessages();
        m_host.reset();
    }
    HWND Window() const { return m_window; }
    // The Main page, and the nickname's field on it.
    HWND MainPage() const {
        auto* dialog = dynamic_cast<CUserDetailsDialog*>(CWnd::FromHandlePermanent(m_window));
        return dialog->GetPage(0)->m_hWnd;
    }
    HWND Nickname() const { return GetDlgItem(MainPage(), IDC_MAIN_NICKNAME); }

private:
    SampleData m_data;
    std::unique_ptr<ClientHost> m_host;
    HWND m_window = nullptr;
};

inline nuvview::ViewSession& Session() {
    static nuvview::ViewSession session(nuvview::ViewSession::Display::Offscreen);
    return session;
}

}  // namespace nuvclient
