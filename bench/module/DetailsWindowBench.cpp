// Opening and closing each window form through the module, as the reference client does,
// headless: the owner's, a contact's, the pane in its host window and an e-mail group's dialog;
// the details windows with the client's History tab.
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
#include "tests/client/BuildTreeHost.h"

namespace nuvclient {
namespace {

long MaxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void OpenAndClose(ClientHost& host, const OpenRequest& request) {
    std::string problem;
    HWND window = OpenWindow(host, request, problem);
    if (!window) std::abort();
    DestroyWindow(window);
    winport::PumpMessages();
}

void OpenAndCloseOwner(ClientHost& host) {
    OpenAndClose(host, {WindowKind::Owner});
}

// A contact whose details are up to date, so that opening his window fetches nothing.
constexpr std::uint32_t kContact = 2000002;
constexpr std::uint32_t kGroup = 9000001;

void BM_OpenAndCloseWindow(benchmark::State& state) {
    const OpenRequest forms[] = {{WindowKind::Owner},
                                 {WindowKind::Contact, kContact},
                                 {WindowKind::Pane, kContact},
                                 {WindowKind::Group, kGroup}};
    SampleData data;
    ClientHost host(data.UserStore(), test::BuildTreeHost());
    const OpenRequest& form = forms[state.range(0)];
    for (auto _ : state) OpenAndClose(host, form);
}
BENCHMARK(BM_OpenAndCloseWindow)
    ->ArgName("owner_contact_pane_group")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond);

// 10,000 cycles after 1,000 to warm up: the counters show what is left over afterwards and how
// far the peak memory grew (all should be 0).
void BM_OwnerWindowCyclesLeaveNothingBehind(benchmark::State& state) {
    SampleData data;
    ClientHost host(data.UserStore(), test::BuildTreeHost());
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
