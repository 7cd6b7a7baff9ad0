// The Qt view's costs a person notices: drawing the owner's window with its seven tabs, what the
// view adds to one typed character over the platform's own handling of it, and one step of the
// busy animation, which comes twelve times a second while the directory works.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <filesystem>

#include "bench/SampleData.h"
#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "details/UserDetailsDialog.h"
#include "platform/automation/Agent.h"
#include "platform/controls/AnimationApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"
#include "tests/client/BuildTreeHost.h"
#include "view/qt/Render.h"
#include "view/qt/View.h"
#include "view/qt/ViewSession.h"

namespace nuvclient {
namespace {

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
    // The nickname's field on the Main page.
    HWND Nickname() const {
        auto* dialog = dynamic_cast<CUserDetailsDialog*>(CWnd::FromHandlePermanent(m_window));
        return GetDlgItem(dialog->GetPage(0)->m_hWnd, IDC_MAIN_NICKNAME);
    }

private:
    SampleData m_data;
    std::unique_ptr<ClientHost> m_host;
    HWND m_window = nullptr;
};

nuvview::ViewSession& Session() {
    static nuvview::ViewSession session(nuvview::ViewSession::Display::Offscreen);
    return session;
}

void BM_RenderOwnerWindow(benchmark::State& state) {
    Session();
    OwnerWindow owner;
    for (auto _ : state) {
        const QImage image = nuvview::RenderImage(owner.Window());
        if (image.isNull()) std::abort();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderOwnerWindow)->Unit(benchmark::kMillisecond);

// The field takes 20 characters: it is emptied, untimed, before it is full.
template <class TypeOne>
void TypeCharacters(benchmark::State& state, winport::Agent& agent, HWND field, TypeOne typeOne) {
    int typed = 0;
    for (auto _ : state) {
        if (typed++ % 15 == 0) {
            state.PauseTiming();
            agent.Type(field, "");
            state.ResumeTiming();
        }
        typeOne();
    }
}

void BM_TypeCharacterThroughTheAgent(benchmark::State& state) {
    Session();
    OwnerWindow owner;
    winport::Agent agent;
    const HWND field = owner.Nickname();
    TypeCharacters(state, agent, field, [&] {
        agent.Type(field, "x", winport::TypeMode::Append);
        winport::PumpMessages();
    });
}
BENCHMARK(BM_TypeCharacterThroughTheAgent)->Unit(benchmark::kMicrosecond);

// A key pressed on the Qt widget: the view hands it to the agent, then shows the result.
void BM_TypeCharacterThroughTheView(benchmark::State& state) {
    Session();
    OwnerWindow owner;
    winport::Agent agent;
    nuvview::View view(owner.Window(), &agent);
    view.Sync();
    const HWND field = owner.Nickname();
    QWidget* widget = view.WidgetFor(field);
    if (!widget) std::abort();
    TypeCharacters(state, agent, field, [&] { QTest::keyClick(widget, Qt::Key_X); });
}
BENCHMARK(BM_TypeCharacterThroughTheView)->Unit(benchmark::kMicrosecond);

// The frame timer's work: the next frame, then the view brought in line with the whole window.
void BM_AnimationStepThroughTheView(benchmark::State& state) {
    Session();
    OwnerWindow owner;
    nuvview::View view(owner.Window());
    const HWND animation = GetDlgItem(owner.Window(), IDC_DETAILS_ANIMATION);
    Animate_Play(animation, 0, static_cast<UINT>(-1), static_cast<UINT>(-1));
    view.Sync();
    for (auto _ : state) {
        winport::AdvanceAnimation(animation, 1);
        view.Sync();
    }
    Animate_Stop(animation);
}
BENCHMARK(BM_AnimationStepThroughTheView)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace nuvclient
