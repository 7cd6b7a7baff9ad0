// Filling a list view as a page fills its lists: 1,000 rows, each an inserted item and two
// sub-item texts, with the parent receiving LVN_INSERTITEM for every row.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/controls/ListViewApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace {

constexpr int kRows = 1000;

HWND CreateBenchParent() {
    static const bool registered = [] {
        WNDCLASS wc;
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "ListViewBenchParent";
        return RegisterClass(&wc) != 0;
    }();
    if (!registered) return nullptr;
    return CreateWindowEx(0, "ListViewBenchParent", "", WS_VISIBLE, 0, 0, 400, 300, nullptr,
                          nullptr, nullptr, nullptr);
}

void AddColumn(HWND list, const char* title, int width) {
    LVCOLUMNA column;
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    SendMessage(list, LVM_INSERTCOLUMN, 99, reinterpret_cast<LPARAM>(&column));
}

void BM_FillListViewWith1000RowsOfThreeCells(benchmark::State& state) {
    const HWND parent = CreateBenchParent();
    const HWND list =
        CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 0, 0,
                       400, 300, parent, reinterpret_cast<HMENU>(1), nullptr, nullptr);
    if (!list) {
        state.SkipWithError("the list view could not be created");
        return;
    }
    AddColumn(list, "Default", 20);
    AddColumn(list, "Kind", 120);
    AddColumn(list, "Email", 260);
    std::vector<std::string> addresses;
    for (int row = 0; row < kRows; ++row) {
        addresses.push_back("contact" + std::to_string(row) + "@example.org");
    }
    char kind[] = "User Defined";
    char empty[] = "";
    for (auto _ : state) {
        for (int row = 0; row < kRows; ++row) {
            LVITEMA item;
            item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
            item.iItem = row;
            item.pszText = empty;
            item.iImage = -1;
            item.lParam = row + 1;
            SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
            item.iSubItem = 1;
            item.pszText = kind;
            SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
            item.iSubItem = 2;
            item.pszText = addresses[static_cast<size_t>(row)].data();
            SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
        }
        state.PauseTiming();
        if (SendMessage(list, LVM_GETITEMCOUNT, 0, 0) != kRows) {
            state.SkipWithError("the list did not take every row");
        }
        SendMessage(list, LVM_DELETEALLITEMS, 0, 0);
        state.ResumeTiming();
    }
    DestroyWindow(parent);
}
BENCHMARK(BM_FillListViewWith1000RowsOfThreeCells)->Unit(benchmark::kMillisecond);

}  // namespace
