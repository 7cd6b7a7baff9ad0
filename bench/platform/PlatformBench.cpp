// The platform's hot paths: building a large dialog, routing a sent message through a message
// table, and posting across threads.
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/Dialog.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace {

std::vector<winport::ControlTemplate> ManyControls(int count) {
    static constexpr const char* kKinds[] = {"Static", "Edit", "Button"};
    std::vector<winport::ControlTemplate> controls;
    for (int i = 0; i < count; ++i) {
        const short row = static_cast<short>(i / 10);
        const short column = static_cast<short>(i % 10);
        controls.push_back(
            {1000 + i,
             kKinds[i % 3],
             "Text",
             WS_VISIBLE | WS_TABSTOP,
             {static_cast<short>(column * 40), static_cast<short>(row * 14), 38, 12}});
    }
    return controls;
}

void BM_CreateAndDestroyDialogOf300Controls(benchmark::State& state) {
    const std::vector<winport::ControlTemplate> controls = ManyControls(300);
    const winport::DialogTemplate tmpl{
        9000, "Big", WS_POPUP | WS_CAPTION, {0, 0, 400, 320}, controls};
    for (auto _ : state) {
        const HWND dialog = winport::CreateDialogFromTemplate(tmpl, nullptr, nullptr, 0);
        if (!dialog) state.SkipWithError("the dialog could not be created");
        DestroyWindow(dialog);
    }
}
BENCHMARK(BM_CreateAndDestroyDialogOf300Controls)->Unit(benchmark::kMicrosecond);

class CRoutedWnd : public CWnd {
public:
    long handled = 0;
    void OnCommand() { ++handled; }
    LRESULT OnCustom(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(++handled + wParam); }
    std::optional<LRESULT> OnMessage(const winport::Message& m) override {
        if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
        return CWnd::OnMessage(m);
    }

private:
    static constexpr winport::Route<CRoutedWnd> kRoutes[] = {
        {WM_COMMAND, BN_CLICKED, 1, &CRoutedWnd::OnCommand},
        {WM_COMMAND, BN_CLICKED, 2, &CRoutedWnd::OnCommand},
        {WM_COMMAND, EN_CHANGE, 3, &CRoutedWnd::OnCommand},
        {WM_COMMAND, EN_CHANGE, 4, &CRoutedWnd::OnCommand},
        {WM_USER + 1, &CRoutedWnd::OnCustom},
        {WM_USER + 2, &CRoutedWnd::OnCustom},
        {WM_USER + 0x26, &CRoutedWnd::OnCustom},
    };
};

LRESULT PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void RegisterPlainClass() {
    static const bool registered = [] {
        WNDCLASS wc;
        wc.lpfnWndProc = PlainProc;
        wc.lpszClassName = "BenchPlainWindow";
        return RegisterClass(&wc) != 0;
    }();
    (void)registered;
}

void BM_SendMessageThroughMessageTable(benchmark::State& state) {
    RegisterPlainClass();
    CRoutedWnd window;
    window.CreateEx(0, "BenchPlainWindow", "", 0, RECT{}, nullptr, 0);
    WPARAM argument = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessage(window.m_hWnd, WM_USER + 0x26, ++argument, 0));
    }
    window.DestroyWindow();
}
BENCHMARK(BM_SendMessageThroughMessageTable);

void BM_CrossThreadPostToDispatch(benchmark::State& state) {
    RegisterPlainClass();
    const HWND target = CreateWindowEx(0, "BenchPlainWindow", "", 0, 0, 0, 1, 1, nullptr, nullptr,
                                       nullptr, nullptr);
    const int threads = static_cast<int>(state.range(0));
    constexpr int kPerThread = 50000;
    for (auto _ : state) {
        std::vector<std::thread> posters;
        for (int t = 0; t < threads; ++t) {
            posters.emplace_back([target] {
                for (int i = 0; i < kPerThread; ++i) PostMessage(target, WM_APP, 0, i);
            });
        }
        long dispatched = 0;
        MSG msg;
        while (dispatched < static_cast<long>(threads) * kPerThread &&
               GetMessage(&msg, nullptr, 0, 0) > 0) {
            DispatchMessage(&msg);
            ++dispatched;
        }
        for (auto& poster : posters) poster.join();
    }
    state.SetItemsProcessed(state.iterations() * threads * kPerThread);
    DestroyWindow(target);
}
BENCHMARK(BM_CrossThreadPostToDispatch)
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
