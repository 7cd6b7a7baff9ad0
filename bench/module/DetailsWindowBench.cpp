// Opening and closing the owner's details window through the module, as the reference client
// does, headless.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "bench/SampleData.h"
#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace nuvclient {
namespace {

long MaxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void OpenAndCloseOwner(ClientHost& host) {
    std::string problem;
    HWND window = OpenWindow(host, {WindowKind::Owner}, problem);
    if (!window) std::abort();
    DestroyWindow(window);
    winport::PumpMessages();
}

void BM_OpenAndCloseOwnerWindow(benchmark::State& state) {
    SampleData data;
    ClientHost host(data.UserStore());
    for (auto _ : state) OpenAndCloseOwner(host);
}
BENCHMARK(BM_OpenAndCloseOwnerWindow)->Unit(benchmark::kMicrosecond);

// 10,000 cycles after 1,000 to warm up: the counters show what is left over afterwards and how
// far the peak memory grew (all should be 0).
void BM_OwnerWindowCyclesLeaveNothingBehind(benchmark::State& state) {
    SampleData data;
    ClientHost host(data.UserStore());
    for (int cycle = 0; cycle < 1000; ++cycle) OpenAndCloseOwner(host);
    const long residentKilobytes = MaxResidentKilobytes();
    const long hostObjects = LiveHostObjects::Count();
    const size_t windows = winport::LiveWindowCount();
    const size_t gdiObjects = winport::LiveGdiObjectCount();
    for (auto _ : state) {
        for (int cycle = 0; cycle < 10000; ++cycle) OpenAndCloseOwner(host);
    }
    state.counters["host_objects_left"] =
        static_cast<double>(LiveHostObjects::Count() - hostObjects);
    state.counters["windows_left"] = static_cast<double>(winport::LiveWindowCount() - windows);
    state.counters["max_resident_growth_kb"] =
        static_cast<double>(MaxResidentKilobytes() - residentKilobytes);
    state.counters["gdi_objects_left"] =
        static_cast<double>(winport::LiveGdiObjectCount() - gdiObjects);
}
BENCHMARK(BM_OwnerWindowCyclesLeaveNothingBehind)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nuvclient
