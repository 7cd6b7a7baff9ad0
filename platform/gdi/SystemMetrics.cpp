#include "platform/gdi/SystemMetrics.h"

#include <map>
#include <mutex>

namespace {

struct Metric {
    int index;
    int value;
};

// The classic (non-themed) values at 96 dpi. The screen of the headless desktop is 1920 x 1080
// with no task bar, so the work area is the whole screen.
constexpr Metric kDefaultMetrics[] = {
    {SM_CXSCREEN, 1920},
    {SM_CYSCREEN, 1080},
    {SM_CXVSCROLL, 16},
    {SM_CYHSCROLL, 16},
    {SM_CYCAPTION, 19},
    {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},
    {SM_CXDLGFRAME, 3},
    {SM_CYDLGFRAME, 3},
    {SM_CYVTHUMB, 16},
    {SM_CXHTHUMB, 16},
    {SM_CXICON, 32},
    {SM_CYICON, 32},
    {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},
    {SM_CYMENU, 19},
    {SM_MOUSEPRESENT, 1},
    {SM_CYVSCROLL, 16},
    {SM_CXHSCROLL, 16},
    {SM_CXMIN, 112},
    {SM_CYMIN, 27},
    {SM_CXSIZE, 18},
    {SM_CYSIZE, 18},
    {SM_CXFRAME, 4},
    {SM_CYFRAME, 4},
    {SM_CXMINTRACK, 112},
    {SM_CYMINTRACK, 27},
    {SM_CXDOUBLECLK, 4},
    {SM_CYDOUBLECLK, 4},
    {SM_CXICONSPACING, 75},
    {SM_CYICONSPACING, 75},
    {SM_CMOUSEBUTTONS, 3},
    {SM_CXEDGE, 2},
    {SM_CYEDGE, 2},
    {SM_CXMINSPACING, 160},
    {SM_CYMINSPACING, 24},
    {SM_CXSMICON, 16},
    {SM_CYSMICON, 16},
    {SM_CYSMCAPTION, 16},
    {SM_CXSMSIZE, 15},
    {SM_CYSMSIZE, 15},
    {SM_CXMENUSIZE, 18},
    {SM_CYMENUSIZE, 18},
    {SM_ARRANGE, 8},
    {SM_CXMINIMIZED, 160},
    {SM_CYMINIMIZED, 24},
    {SM_CXDRAG, 4},
    {SM_CYDRAG, 4},
    {SM_CXMENUCHECK, 13},
    {SM_CYMENUCHECK, 13},
    {SM_MOUSEWHEELPRESENT, 1},
    {SM_XVIRTUALSCREEN, 0},
    {SM_YVIRTUALSCREEN, 0},
    {SM_CMONITORS, 1},
    {SM_SAMEDISPLAYFORMAT, 1},
    {SM_CXFOCUSBORDER, 1},
    {SM_CYFOCUSBORDER, 1},
};

struct Overrides {
    std::mutex mutex;
    std::map<int, int> values;
};

Overrides& TheOverrides() {
    static Overrides overrides;
    return overrides;
}

std::optional<int> FixedMetric(int index) {
    for (const Metric& metric : kDefaultMetrics) {
        if (metric.index == index) return metric.value;
    }
    return std::nullopt;
}

// Metrics Windows derives from others; an override of the base carries through.
std::optional<int> DerivedMetric(int index) {
    switch (index) {
        case SM_CXFULLSCREEN: return GetSystemMetrics(SM_CXSCREEN);
        case SM_CYFULLSCREEN: return GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYCAPTION);
        case SM_CXVIRTUALSCREEN: return GetSystemMetrics(SM_CXSCREEN);
        case SM_CYVIRTUALSCREEN: return GetSystemMetrics(SM_CYSCREEN);
        case SM_CXMAXIMIZED:
            return GetSystemMetrics(SM_CXSCREEN) + 2 * GetSystemMetrics(SM_CXFRAME);
        case SM_CYMAXIMIZED:
            return GetSystemMetrics(SM_CYSCREEN) + 2 * GetSystemMetrics(SM_CYFRAME);
        case SM_CXMAXTRACK: return GetSystemMetrics(SM_CXVIRTUALSCREEN) + 12;
        case SM_CYMAXTRACK: return GetSystemMetrics(SM_CYVIRTUALSCREEN) + 12;
        default: return std::nullopt;
    }
}

}  // namespace

int GetSystemMetrics(int index) {
    if (std::optional<int> value = winport::SystemMetricOverride(index)) return *value;
    if (std::optional<int> value = FixedMetric(index)) return *value;
    return DerivedMetric(index).value_or(0);
}

namespace winport {

void SetSystemMetric(int index, int value) {
    Overrides& overrides = TheOverrides();
    std::lock_guard lock(overrides.mutex);
    overrides.values[index] = value;
}

void ResetSystemMetric(int index) {
    Overrides& overrides = TheOverrides();
    std::lock_guard lock(overrides.mutex);
    overrides.values.erase(index);
}

std::optional<int> SystemMetricOverride(int index) {
    Overrides& overrides = TheOverrides();
    std::lock_guard lock(overrides.mutex);
    auto found = overrides.values.find(index);
    if (found == overrides.values.end()) return std::nullopt;
    return found->second;
}

ScopedSystemMetric::ScopedSystemMetric(int index, int value)
    : m_index(index), m_previous(SystemMetricOverride(index)) {
    SetSystemMetric(index, value);
}

ScopedSystemMetric::~ScopedSystemMetric() {
    if (m_previous) {
        SetSystemMetric(m_index, *m_previous);
    } else {
        ResetSystemMetric(m_index);
    }
}

}  // namespace winport
