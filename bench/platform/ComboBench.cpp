// Filling a sorted combo box, as a page fills its list of countries.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/controls/ComboBoxApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace {

constexpr size_t kEntries = 250;

// Country-like names, some accented and some Greek, in a fixed shuffled order.
std::vector<std::string> CountryLikeNames() {
    static constexpr const char* kStarts[] = {"Al", "Be", "Ca", "Dé", "El", "Fa", "Gu",
                                              "Hö", "Is", "Ja", "Ko", "Lu", "Ma", "Ní",
                                              "Os", "Pe", "Ré", "Sa", "Tu", "Ελ"};
    static constexpr const char* kEnds[] = {"bania", "lgium",    "nada",  "nmark", "giers",
                                            "roe",   "yana",     "lland", "rael",  "pan",
                                            "rea",   "xembourg", "lta"};
    std::vector<std::string> names;
    for (const char* start : kStarts) {
        for (const char* end : kEnds) names.push_back(std::string(start) + end);
    }
    names.resize(kEntries);
    std::shuffle(names.begin(), names.end(), std::mt19937(2024));
    return names;
}

void BM_FillSortedComboWith250Entries(benchmark::State& state) {
    const std::vector<std::string> names = CountryLikeNames();
    const HWND owner = CreateWindowEx(0, "Static", "", WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr,
                                      nullptr, nullptr);
    const HWND combo =
        CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, 0, 0,
                       120, 200, owner, reinterpret_cast<HMENU>(1), nullptr, nullptr);
    for (auto _ : state) {
        SendMessage(combo, CB_RESETCONTENT, 0, 0);
        for (const std::string& name : names) {
            SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
    }
    if (SendMessage(combo, CB_GETCOUNT, 0, 0) != static_cast<LRESULT>(kEntries)) {
        state.SkipWithError("the combo box does not hold every entry");
    }
    DestroyWindow(owner);
}
BENCHMARK(BM_FillSortedComboWith250Entries)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
