// How long an operation's result takes from the worker thread's OnDone to the details window
// having handled it on its own thread: the window busy with an upload, then idle again.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "bench/SampleData.h"
#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "details/UserDetailsDialog.h"
#include "platform/automation/Agent.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"
#include "tests/client/BuildTreeHost.h"

namespace nuvclient {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kOwner = SampleData::kOwner;

void BM_OperationResultReachesTheWindow(benchmark::State& state) {
    SampleData data;
    Store& store = data.UserStore();
    store.WriteKey(kOwner, "SecurityLevel", Value::UInt8(0));
    ClientOptions options = test::BuildTreeHost();
    // The directory itself never answers: the benchmark reports in its place.
    options.directory.latency = std::chrono::hours(1);
    ClientHost host(store, options);
    std::string problem;
    const HWND window = OpenWindow(host, {WindowKind::Owner}, problem);
    auto* dialog = dynamic_cast<CUserDetailsDialog*>(CWnd::FromHandlePermanent(window));
    if (!dialog) std::abort();
    const HWND save = GetDlgItem(window, IDC_DETAILS_SAVE);
    winport::Agent agent;
    std::vector<double> micros;
    for (auto _ : state) {
        store.WriteKey(kOwner, "UpdateInfoStatus", Value::UInt16(0));
        if (!agent.Click(save) || IsWindowEnabled(save)) std::abort();
        winport::PumpMessages();
        Clock::time_point reported;
        std::thread worker([&] {
            // Long enough for the window's thread to be waiting for its next message.
            std::this_thread::sleep_for(std::chrono::microseconds(300));
            reported = Clock::now();
            dialog->GetOperationCallback()->OnDone();
        });
        MSG msg{};
        while (!IsWindowEnabled(save) && GetMessage(&msg, nullptr, 0, 0) > 0) {
            DispatchMessage(&msg);
        }
        const Clock::time_point handled = Clock::now();
        worker.join();
        const std::chrono::duration<double> took = handled - reported;
        state.SetIterationTime(took.count());
        micros.push_back(std::chrono::duration<double, std::micro>(took).count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
    DestroyWindow(window);
    winport::PumpMessages();
}
BENCHMARK(BM_OperationResultReachesTheWindow)
    ->Iterations(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace nuvclient
