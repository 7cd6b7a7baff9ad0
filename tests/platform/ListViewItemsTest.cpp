// List view storage through its messages: columns, rows and cells, reading back, finding,
// sorting, and bad input answering what Windows answers while changing nothing.

#include <algorithm>
#include <tuple>

#include "ListViewTestSupport.h"
#include "platform/gdi/ImageList.h"

namespace winport::test {
namespace {

int Find(HWND list, int start, UINT flags, const char* text, LPARAM data = 0) {
    const LVFINDINFOA find{.flags = flags, .psz = text, .lParam = data};
    return static_cast<int>(
        SendMessage(list, LVM_FINDITEM, static_cast<WPARAM>(start), Ptr(&find)));
}

TEST_F(ListViewTest, ColumnsKeepTitleWidthAndFormatAndMoveTheCellsAfterThemWhenInsertedOrDeleted) {
    const HWND list = CreateList();
    AddColumn(list, "Kind", 30);
    const LVCOLUMNA first{
        .mask = LVCF_TEXT | LVCF_FMT, .fmt = LVCFMT_RIGHT, .pszText = const_cast<char*>("Défaut")};
    EXPECT_EQ(SendMessage(list, LVM_INSERTCOLUMN, 0, Ptr(&first)), 0);

    char title[3] = {};
    LVCOLUMNA read{.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_ORDER,
                   .pszText = title,
                   .cchTextMax = sizeof title};
    ASSERT_EQ(SendMessage(list, LVM_GETCOLUMN, 0, Ptr(&read)), TRUE);
    EXPECT_STREQ(title, "D");  // Cut where the buffer ends, never inside "é".
    // 10 is the width of a column inserted without one.
    EXPECT_EQ(std::tie(read.cx, read.fmt, read.iOrder), std::make_tuple(10, LVCFMT_RIGHT, 0));
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 1, 0), 30);

    EXPECT_EQ(SendMessage(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(25, 0)), TRUE);
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 0, 0), 25);
    // The last column stretched to the header's end takes what the others leave of 200 pixels.
    EXPECT_EQ(SendMessage(list, LVM_SETCOLUMNWIDTH, 1,
                          MAKELPARAM(static_cast<WORD>(LVSCW_AUTOSIZE_USEHEADER), 0)),
              TRUE);
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 1, 0), 175);
    EXPECT_TRUE(LogIs({}));

    const HWND cells = CreateList();
    for (const char* title : {"A", "B", "C"}) AddColumn(cells, title, 10);
    AddRow(cells, {"a", "b", "c"});
    const LVCOLUMNA column{.mask = LVCF_TEXT, .pszText = const_cast<char*>("New")};
    SendMessage(cells, LVM_INSERTCOLUMN, 1, Ptr(&column));
    EXPECT_EQ(Text(cells, 0, 1), "");
    EXPECT_EQ(Text(cells, 0, 2), "b");
    EXPECT_EQ(SendMessage(cells, LVM_DELETECOLUMN, 2, 0), TRUE);
    EXPECT_EQ(Text(cells, 0, 2), "c");
    // Deleting the first column keeps every cell where it was.
    EXPECT_EQ(SendMessage(cells, LVM_DELETECOLUMN, 0, 0), TRUE);
    EXPECT_EQ(Text(cells, 0, 0), "a");
    EXPECT_EQ(Text(cells, 0, 2), "c");
    EXPECT_EQ(SendMessage(cells, LVM_DELETECOLUMN, 2, 0), FALSE);
}

TEST_F(ListViewTest, RowsHoldCellsImageAndDataAndReadBack) {
    const LVITEMA item{.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE,
                       .iItem = 1,
                       .state = LVIS_CUT,
                       .stateMask = LVIS_CUT,
                       .pszText = const_cast<char*>("Ωmega"),
                       .iImage = 89,
                       .lParam = 42};
    ASSERT_EQ(SendMessage(list, LVM_INSERTITEM, 0, Ptr(&item)), 1);
    EXPECT_EQ(Texts(list), (Lines{"a", "Ωmega", "b", "c"}));
    EXPECT_EQ(Texts(list, 1), (Lines{"x@y", "", "x@y", "x@y"}));

    char buffer[16] = {};
    LVITEMA read{.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE,
                 .iItem = 1,
                 .stateMask = ~0u,
                 .pszText = buffer,
                 .cchTextMax = sizeof buffer};
    ASSERT_EQ(SendMessage(list, LVM_GETITEM, 0, Ptr(&read)), TRUE);
    EXPECT_STREQ(buffer, "Ωmega");
    EXPECT_EQ(std::tie(read.iImage, read.lParam, read.state),
              std::make_tuple(89, 42, UINT{LVIS_CUT}));
    // A sub-item has no image or state of its own but reports its row's data.
    read.iItem = 2;
    read.iSubItem = 1;
    ASSERT_EQ(SendMessage(list, LVM_GETITEM, 0, Ptr(&read)), TRUE);
    EXPECT_STREQ(buffer, "x@y");
    EXPECT_EQ(std::tie(read.iImage, read.lParam, read.state), std::make_tuple(0, 2, 0u));
    // LVM_GETITEMTEXT answers the length it copied.
    read.iSubItem = 0;
    read.cchTextMax = 2;
    EXPECT_EQ(SendMessage(list, LVM_GETITEMTEXT, 1, Ptr(&read)), 0);  // "Ω" needs 2 bytes + 0.
    read.cchTextMax = 4;
    EXPECT_EQ(SendMessage(list, LVM_GETITEMTEXT, 1, Ptr(&read)), 3);
    EXPECT_STREQ(buffer, "Ωm");
}

TEST_F(ListViewTest, SortedStylesPlaceRowsByTextWithoutCaseAndFindingStartsAfterTheStartRow) {
    const std::tuple<DWORD, Lines> cases[] = {
        {LVS_REPORT | LVS_SORTASCENDING, {"apple", "Banana", "cherry"}},
        {LVS_REPORT | LVS_SORTDESCENDING, {"cherry", "Banana", "apple"}},
        {LVS_REPORT | LVS_SORTASCENDING | LVS_OWNERDRAWFIXED, {"cherry", "apple", "Banana"}},
    };
    for (const auto& [style, order] : cases) {
        const HWND list = CreateList(style);
        for (const char* text : {"cherry", "apple", "Banana"}) AddRow(list, {text});
        EXPECT_EQ(Texts(list), order) << "style " << style;
        DestroyWindow(list);
    }
    AddRow(list, {"Alpha"}, 2);
    constexpr UINT kText = LVFI_STRING;
    const std::tuple<int, UINT, const char*, LPARAM, int> finds[] = {
        {-1, LVFI_PARAM, nullptr, 2, 1},  {1, LVFI_PARAM, nullptr, 2, 3},
        {3, LVFI_PARAM, nullptr, 2, -1},  {-1, LVFI_PARAM, nullptr, 99, -1},
        {-2, LVFI_PARAM, nullptr, 1, -1}, {-1, kText, "ALPHA", 0, 3},
        {-1, kText, "alp", 0, -1},        {-1, LVFI_PARTIAL | kText, "alp", 0, 3},
        {1, kText, "a", 0, -1},           {1, kText | LVFI_WRAP, "a", 0, 0}};
    for (const auto& [start, flags, text, data, found] : finds) {
        EXPECT_EQ(Find(list, start, flags, text, data), found) << start << " " << flags;
    }
}

int ByDataDescending(LPARAM first, LPARAM second, LPARAM sortParam) {
    EXPECT_EQ(sortParam, 77);
    return static_cast<int>(second - first);
}

// Answers without any order: a < b and b < a may both hold.
int Inconsistent(LPARAM first, LPARAM second, LPARAM) {
    return static_cast<int>((first * 7 + second * 13) % 5) - 2;
}

TEST_F(ListViewTest, NextItemWalksBySelectionFocusOrPositionAndCallbackSortingKeepsThemSilently) {
    const HWND list = FilledList(LVS_REPORT);
    AddRow(list, {"d"});
    SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    SetState(list, 3, kSelectedFocused);
    // From where, which rows, the next one.
    const std::tuple<int, UINT, LRESULT> nexts[] = {
        {-1, LVNI_SELECTED, 1}, {1, LVNI_SELECTED, 3},          {3, LVNI_SELECTED, -1},
        {-1, LVNI_FOCUSED, 3},  {3, LVNI_FOCUSED, -1},          {0, LVNI_ALL, 1},
        {4, LVNI_ALL, -1},      {-1, LVNI_ALL | LVNI_BELOW, 0}, {3, LVNI_SELECTED | LVNI_ABOVE, 1}};
    for (const auto& [start, flags, next] : nexts) {
        EXPECT_EQ(SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags), next)
            << start << " " << flags;
    }
    EXPECT_EQ(Selected(list), 2);

    const HWND sorted = FilledList();
    SetState(sorted, 0, kSelectedFocused);
    SendMessage(sorted, LVM_SETSELECTIONMARK, 0, 0);
    log.Clear();
    EXPECT_EQ(SendMessage(sorted, LVM_SORTITEMS, 77, reinterpret_cast<LPARAM>(&ByDataDescending)),
              TRUE);
    EXPECT_EQ(Texts(sorted), (Lines{"c", "b", "a"}));
    EXPECT_EQ(State(sorted, 2), kSelectedFocused);
    EXPECT_EQ(SendMessage(sorted, LVM_GETSELECTIONMARK, 0, 0), 2);
    EXPECT_EQ(SendMessage(sorted, LVM_SORTITEMS, 0, 0), FALSE);
    EXPECT_TRUE(LogIs({}));

    // An inconsistent comparison loses no row.
    const HWND many = CreateList(LVS_REPORT);
    for (int row = 0; row < 40; ++row) AddRow(many, {"r"}, row);
    EXPECT_EQ(SendMessage(many, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&Inconsistent)), TRUE);
    std::vector<bool> seen(40);
    for (int row = 0; row < 40; ++row) {
        LVITEMA item{.mask = LVIF_PARAM, .iItem = row};
        SendMessage(many, LVM_GETITEM, 0, Ptr(&item));
        ASSERT_TRUE(item.lParam >= 0 && item.lParam < 40);
        seen[static_cast<size_t>(item.lParam)] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 40);
}

TEST_F(ListViewTest, BadInputAndNullPointersAnswerWindowsFailureAndChangeNothing) {
    const std::tuple<const char*, UINT, WPARAM, LRESULT> cases[] = {
        {"insert at a negative index", LVM_INSERTITEM, 0, -1},
        {"set an item past the end", LVM_SETITEM, 0, FALSE},
        {"set text of a missing column", LVM_SETITEMTEXT, 1, FALSE},
        {"state of a row past the end", LVM_SETITEMSTATE, 3, FALSE},
        {"state of row -2", LVM_SETITEMSTATE, WPARAM(-2), FALSE},
        {"delete row 3", LVM_DELETEITEM, 3, FALSE},
        {"delete row -1", LVM_DELETEITEM, WPARAM(-1), FALSE},
        {"next item from -2", LVM_GETNEXTITEM, WPARAM(-2), -1},
        {"rect of row 3", LVM_GETITEMRECT, 3, FALSE},
        {"ensure row 5 visible", LVM_ENSUREVISIBLE, 5, FALSE},
        {"update row 3", LVM_UPDATE, 3, FALSE},
        {"column 2 width", LVM_GETCOLUMNWIDTH, 2, 0},
        {"delete column 2", LVM_DELETECOLUMN, 2, FALSE}};
    for (const auto& [what, msg, wParam, answer] : cases) {
        const LVITEMA item{.mask = LVIF_TEXT | LVIF_STATE,
                           .iItem = msg == LVM_INSERTITEM ? -1 : 7,
                           .iSubItem = msg == LVM_SETITEMTEXT ? 5 : 0,
                           .state = LVIS_SELECTED,
                           .stateMask = LVIS_SELECTED,
                           .pszText = const_cast<char*>("z")};
        RECT rect{};
        const LPARAM lParam = msg == LVM_GETITEMRECT ? Ptr(&rect) : Ptr(&item);
        EXPECT_EQ(SendMessage(list, msg, wParam, lParam), answer) << what;
    }
    EXPECT_EQ(Texts(list), (Lines{"a", "b", "c"}));
    EXPECT_EQ(Selected(list), 0);
    EXPECT_TRUE(LogIs({}));

    const LVITEMA textless{.mask = LVIF_TEXT, .cchTextMax = 10};
    const LVCOLUMNA untitled{.mask = LVCF_TEXT};
    // The callback marker is no text to read or buffer to write: refused, never read through.
    const LVITEMA callback{.mask = LVIF_TEXT, .pszText = LPSTR_TEXTCALLBACK, .cchTextMax = 10};
    const LVCOLUMNA callbackTitle{.mask = LVCF_TEXT, .pszText = LPSTR_TEXTCALLBACK};
    const std::vector<std::function<LRESULT()>> sends = {
        [&] { return SendMessage(list, LVM_INSERTITEM, 0, Ptr(&callback)); },
        [&] { return SendMessage(list, LVM_SETITEMTEXT, 1, Ptr(&callback)); },
        [&] { return SendMessage(list, LVM_GETITEM, 0, Ptr(&callback)); },
        [&] { return SendMessage(list, LVM_GETITEMTEXT, 0, Ptr(&callback)); },
        [&] { return SendMessage(list, LVM_INSERTCOLUMN, 0, Ptr(&callbackTitle)); },
        [&] { return static_cast<LRESULT>(Find(list, -1, LVFI_STRING, LPSTR_TEXTCALLBACK) + 1); },
        [&] { return SendMessage(list, LVM_INSERTITEM, 0, Ptr(&textless)); },
        [&] { return SendMessage(list, LVM_SETITEMTEXT, 0, Ptr(&textless)); },
        [&] { return SendMessage(list, LVM_GETITEM, 0, Ptr(&textless)); },
        [&] { return SendMessage(list, LVM_INSERTCOLUMN, 0, Ptr(&untitled)); },
        [&] { return static_cast<LRESULT>(Find(list, -1, LVFI_STRING, nullptr) + 1); },
        [&] { return SendMessage(list, LVM_INSERTITEM, 0, 0) + 1; },
        [&] { return SendMessage(list, LVM_SETITEMSTATE, 0, 0); },
    };
    for (size_t i = 0; i < sends.size(); ++i) {
        SetLastError(0);
        EXPECT_TRUE(AnswersWith(sends[i]() <= 0, true, ERROR_INVALID_PARAMETER)) << "send " << i;
    }
    EXPECT_EQ(Texts(list), (Lines{"a", "b", "c"}));
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 2, 0), 0);
    EXPECT_TRUE(LogIs({}));
}

TEST_F(ListViewTest, ImageListsAreKeptByKindAndOwnedUnlessSharedAndStylesAnswerThePreviousOnes) {
    const size_t before = LiveImageListCount();
    for (const DWORD share : {DWORD{0}, LVS_SHAREIMAGELISTS}) {
        const HWND list = FilledList(LVS_REPORT | share);
        const HIMAGELIST small = ImageList_Create(16, 24, ILC_COLOR32, 1, 1);
        const HIMAGELIST state = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
        EXPECT_EQ(SendMessage(list, LVM_SETIMAGELIST, LVSIL_SMALL, Ptr(small)), 0);
        EXPECT_EQ(SendMessage(list, LVM_SETIMAGELIST, LVSIL_STATE, Ptr(state)), 0);
        EXPECT_EQ(SendMessage(list, LVM_SETIMAGELIST, 7, Ptr(small)), 0);
        // Rows grow to the tallest image plus one pixel.
        RECT rect{LVIR_ICON, 0, 0, 0};
        SendMessage(list, LVM_GETITEMRECT, 0, Ptr(&rect));
        EXPECT_EQ(rect, (RECT{8, rect.top, 24, rect.top + 25}));
        DestroyWindow(list);
        EXPECT_EQ(LiveImageListCount(), share ? before + 2 : before);
        if (share) {
            ImageList_Destroy(small);
            ImageList_Destroy(state);
        }
    }

    const HWND list = CreateList();
    EXPECT_EQ(SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT), 0);
    EXPECT_EQ(SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES),
              static_cast<LRESULT>(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(SendMessage(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
              static_cast<LRESULT>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_EQ(SendMessage(list, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(RGB(255, 255, 255)));
    EXPECT_EQ(SendMessage(list, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(CLR_DEFAULT));
}

}  // namespace
}  // namespace winport::test
