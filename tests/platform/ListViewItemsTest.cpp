// List view storage through its messages: columns, rows and cells, reading back, finding,
// sorting, and bad input answering what Windows answers while changing nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ListViewTestSupport.h"
#include "platform/gdi/ImageList.h"

namespace winport::test {
namespace {

LPARAM Ptr(const void* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

int FindData(HWND list, int start, LPARAM data) {
    LVFINDINFOA find;
    find.flags = LVFI_PARAM;
    find.lParam = data;
    return static_cast<int>(
        SendMessage(list, LVM_FINDITEM, static_cast<WPARAM>(start), Ptr(&find)));
}

int FindText(HWND list, int start, UINT flags, const char* text) {
    LVFINDINFOA find;
    find.flags = flags;
    find.psz = text;
    return static_cast<int>(
        SendMessage(list, LVM_FINDITEM, static_cast<WPARAM>(start), Ptr(&find)));
}

std::vector<std::string> Texts(HWND list, int column = 0) {
    std::vector<std::string> texts;
    for (int row = 0; row < static_cast<int>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0)); ++row) {
        char buffer[32] = {};
        LVITEMA item;
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(row), Ptr(&item));
        texts.emplace_back(buffer);
    }
    return texts;
}

TEST_F(ListViewTest, ColumnsKeepTitleWidthAndFormat) {
    const HWND list = CreateList();
    AddColumn(list, "Kind", 30);
    LVCOLUMNA first;
    first.mask = LVCF_TEXT | LVCF_FMT;
    first.fmt = LVCFMT_RIGHT;
    first.pszText = const_cast<char*>("Défaut");
    EXPECT_EQ(SendMessage(list, LVM_INSERTCOLUMN, 0, Ptr(&first)), 0);

    char title[3] = {};
    LVCOLUMNA read;
    read.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_ORDER;
    read.pszText = title;
    read.cchTextMax = sizeof title;
    ASSERT_EQ(SendMessage(list, LVM_GETCOLUMN, 0, Ptr(&read)), TRUE);
    EXPECT_STREQ(title, "D");  // Cut where the buffer ends, never inside "é".
    EXPECT_EQ(read.cx, 10);    // The width of a column inserted without one.
    EXPECT_EQ(read.fmt, LVCFMT_RIGHT);
    EXPECT_EQ(read.iOrder, 0);
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 1, 0), 30);

    EXPECT_EQ(SendMessage(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(25, 0)), TRUE);
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 0, 0), 25);
    // The last column stretched to the header's end takes what the others leave of 200 pixels.
    EXPECT_EQ(SendMessage(list, LVM_SETCOLUMNWIDTH, 1,
                          MAKELPARAM(static_cast<WORD>(LVSCW_AUTOSIZE_USEHEADER), 0)),
              TRUE);
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 1, 0), 175);
    EXPECT_TRUE(LogIs({}));
}

TEST_F(ListViewTest, RowsHoldCellsImageAndDataAndReadBack) {
    const HWND list = FilledList();
    LVITEMA item;
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = 1;
    item.pszText = const_cast<char*>("Ωmega");
    item.iImage = 89;
    item.lParam = 42;
    item.state = LVIS_CUT;
    item.stateMask = LVIS_CUT;
    ASSERT_EQ(SendMessage(list, LVM_INSERTITEM, 0, Ptr(&item)), 1);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "Ωmega", "b", "c"}));
    EXPECT_EQ(Texts(list, 1), (std::vector<std::string>{"x@y", "", "x@y", "x@y"}));

    char buffer[16] = {};
    LVITEMA read;
    read.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    read.iItem = 1;
    read.stateMask = ~0u;
    read.pszText = buffer;
    read.cchTextMax = sizeof buffer;
    ASSERT_EQ(SendMessage(list, LVM_GETITEM, 0, Ptr(&read)), TRUE);
    EXPECT_STREQ(buffer, "Ωmega");
    EXPECT_EQ(read.iImage, 89);
    EXPECT_EQ(read.lParam, 42);
    EXPECT_EQ(read.state, LVIS_CUT);
    // A sub-item has no image or state of its own but reports its row's data.
    read.iItem = 2;
    read.iSubItem = 1;
    ASSERT_EQ(SendMessage(list, LVM_GETITEM, 0, Ptr(&read)), TRUE);
    EXPECT_STREQ(buffer, "x@y");
    EXPECT_EQ(read.iImage, 0);
    EXPECT_EQ(read.state, 0u);
    EXPECT_EQ(read.lParam, 2);
    // LVM_GETITEMTEXT answers the length it copied.
    read.iSubItem = 0;
    read.cchTextMax = 2;
    EXPECT_EQ(SendMessage(list, LVM_GETITEMTEXT, 1, Ptr(&read)), 0);  // "Ω" needs 2 bytes + 0.
    read.cchTextMax = 4;
    EXPECT_EQ(SendMessage(list, LVM_GETITEMTEXT, 1, Ptr(&read)), 3);
    EXPECT_STREQ(buffer, "Ωm");
}

TEST_F(ListViewTest, ColumnsInsertedOrDeletedMoveTheCellsAfterThem) {
    const HWND list = CreateList();
    AddColumn(list, "A", 10);
    AddColumn(list, "B", 10);
    AddColumn(list, "C", 10);
    AddRow(list, {"a", "b", "c"});
    LVCOLUMNA column;
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<char*>("New");
    SendMessage(list, LVM_INSERTCOLUMN, 1, Ptr(&column));
    EXPECT_EQ(Text(list, 0, 1), "");
    EXPECT_EQ(Text(list, 0, 2), "b");
    EXPECT_EQ(SendMessage(list, LVM_DELETECOLUMN, 2, 0), TRUE);
    EXPECT_EQ(Text(list, 0, 2), "c");
    // Deleting the first column keeps every cell where it was.
    EXPECT_EQ(SendMessage(list, LVM_DELETECOLUMN, 0, 0), TRUE);
    EXPECT_EQ(Text(list, 0, 0), "a");
    EXPECT_EQ(Text(list, 0, 2), "c");
    EXPECT_EQ(SendMessage(list, LVM_DELETECOLUMN, 2, 0), FALSE);
}

TEST_F(ListViewTest, SortedStylesPlaceRowsByTextWithoutCaseButOwnerDrawDoesNot) {
    const struct {
        DWORD style;
        std::vector<std::string> order;
    } cases[] = {
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
}

TEST_F(ListViewTest, FindsByDataOrTextFromAfterTheStartRow) {
    const HWND list = FilledList();
    AddRow(list, {"Alpha"}, 2);
    EXPECT_EQ(FindData(list, -1, 2), 1);
    EXPECT_EQ(FindData(list, 1, 2), 3);
    EXPECT_EQ(FindData(list, 3, 2), -1);
    EXPECT_EQ(FindData(list, -1, 99), -1);
    EXPECT_EQ(FindText(list, -1, LVFI_STRING, "ALPHA"), 3);
    EXPECT_EQ(FindText(list, -1, LVFI_STRING, "alp"), -1);
    EXPECT_EQ(FindText(list, -1, LVFI_PARTIAL | LVFI_STRING, "alp"), 3);
    EXPECT_EQ(FindText(list, 1, LVFI_STRING, "a"), -1);
    EXPECT_EQ(FindText(list, 1, LVFI_STRING | LVFI_WRAP, "a"), 0);
    EXPECT_EQ(FindData(list, -2, 1), -1);
}

TEST_F(ListViewTest, NextItemWalksBySelectionFocusOrPosition) {
    const HWND list = FilledList(LVS_REPORT);
    AddRow(list, {"d"});
    SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    SetState(list, 3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    const auto next = [list](int start, UINT flags) {
        return SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0));
    };
    EXPECT_EQ(next(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(next(1, LVNI_SELECTED), 3);
    EXPECT_EQ(next(3, LVNI_SELECTED), -1);
    EXPECT_EQ(next(-1, LVNI_FOCUSED), 3);
    EXPECT_EQ(next(3, LVNI_FOCUSED), -1);
    EXPECT_EQ(next(0, LVNI_ALL), 1);
    EXPECT_EQ(next(3, LVNI_SELECTED | LVNI_ABOVE), 1);
    EXPECT_EQ(next(-1, LVNI_ALL | LVNI_BELOW), 0);
    EXPECT_EQ(next(4, LVNI_ALL), -1);
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTEDCOUNT, 0, 0), 2);
}

int ByDataDescending(LPARAM first, LPARAM second, LPARAM sortParam) {
    EXPECT_EQ(sortParam, 77);
    return static_cast<int>(second - first);
}

TEST_F(ListViewTest, SortingWithACallbackKeepsSelectionAndFocusWithTheirRowsSilently) {
    const HWND list = FilledList();
    SetState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessage(list, LVM_SETSELECTIONMARK, 0, 0);
    log.Clear();
    EXPECT_EQ(SendMessage(list, LVM_SORTITEMS, 77, reinterpret_cast<LPARAM>(&ByDataDescending)),
              TRUE);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(State(list, 2), LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTIONMARK, 0, 0), 2);
    EXPECT_EQ(SendMessage(list, LVM_SORTITEMS, 0, 0), FALSE);
    EXPECT_TRUE(LogIs({}));
}

// Answers without any order: a < b and b < a may both hold.
int Inconsistent(LPARAM first, LPARAM second, LPARAM) {
    return static_cast<int>((first * 7 + second * 13) % 5) - 2;
}

TEST_F(ListViewTest, SortingWithAnInconsistentComparisonKeepsEveryRow) {
    const HWND list = CreateList(LVS_REPORT);
    for (int row = 0; row < 40; ++row) AddRow(list, {"r"}, row);
    EXPECT_EQ(SendMessage(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&Inconsistent)), TRUE);
    std::vector<bool> seen(40);
    for (int row = 0; row < 40; ++row) {
        LVITEMA item;
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessage(list, LVM_GETITEM, 0, Ptr(&item));
        ASSERT_TRUE(item.lParam >= 0 && item.lParam < 40);
        seen[static_cast<size_t>(item.lParam)] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 40);
}

struct BadInput {
    const char* what;
    UINT msg;
    WPARAM wParam;
    LRESULT answer;
};

class ListViewBadInputTest : public ListViewTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(ListViewBadInputTest, AnswersWindowsFailureAndChangesNothing) {
    const HWND list = FilledList();
    LVITEMA item;
    item.mask = LVIF_TEXT | LVIF_STATE;
    item.iItem = GetParam().msg == LVM_INSERTITEM ? -1 : 7;
    item.iSubItem = GetParam().msg == LVM_SETITEMTEXT ? 5 : 0;
    item.pszText = const_cast<char*>("z");
    item.state = item.stateMask = LVIS_SELECTED;
    RECT rect{};
    const LPARAM lParam = GetParam().msg == LVM_GETITEMRECT ? Ptr(&rect) : Ptr(&item);
    EXPECT_EQ(SendMessage(list, GetParam().msg, GetParam().wParam, lParam), GetParam().answer)
        << GetParam().what;
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_TRUE(LogIs({}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListViewBadInputTest,
    ::testing::Values(BadInput{"insert at a negative index", LVM_INSERTITEM, 0, -1},
                      BadInput{"set an item past the end", LVM_SETITEM, 0, FALSE},
                      BadInput{"set text of a missing column", LVM_SETITEMTEXT, 1, FALSE},
                      BadInput{"state of a row past the end", LVM_SETITEMSTATE, 3, FALSE},
                      BadInput{"state of row -2", LVM_SETITEMSTATE, static_cast<WPARAM>(-2), FALSE},
                      BadInput{"delete row 3", LVM_DELETEITEM, 3, FALSE},
                      BadInput{"delete row -1", LVM_DELETEITEM, static_cast<WPARAM>(-1), FALSE},
                      BadInput{"next item from -2", LVM_GETNEXTITEM, static_cast<WPARAM>(-2), -1},
                      BadInput{"rect of row 3", LVM_GETITEMRECT, 3, FALSE},
                      BadInput{"ensure row 5 visible", LVM_ENSUREVISIBLE, 5, FALSE},
                      BadInput{"update row 3", LVM_UPDATE, 3, FALSE},
                      BadInput{"column 2 width", LVM_GETCOLUMNWIDTH, 2, 0},
                      BadInput{"delete column 2", LVM_DELETECOLUMN, 2, FALSE}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(ListViewTest, NullPointersAreRefusedWithInvalidParameter) {
    const HWND list = FilledList();
    const std::vector<std::function<LRESULT()>> sends = {
        [&] {
            LVITEMA item;
            item.mask = LVIF_TEXT;
            return SendMessage(list, LVM_INSERTITEM, 0, Ptr(&item));
        },
        [&] {
            LVITEMA item;
            return SendMessage(list, LVM_SETITEMTEXT, 0, Ptr(&item));
        },
        [&] {
            LVITEMA item;
            item.mask = LVIF_TEXT;
            item.cchTextMax = 10;
            return SendMessage(list, LVM_GETITEM, 0, Ptr(&item));
        },
        [&] {
            LVCOLUMNA column;
            column.mask = LVCF_TEXT;
            return SendMessage(list, LVM_INSERTCOLUMN, 0, Ptr(&column));
        },
        [&] { return static_cast<LRESULT>(FindText(list, -1, LVFI_STRING, nullptr) + 1); },
        [&] { return SendMessage(list, LVM_INSERTITEM, 0, 0) + 1; },
        [&] { return SendMessage(list, LVM_SETITEMSTATE, 0, 0); },
    };
    for (size_t i = 0; i < sends.size(); ++i) {
        SetLastError(0);
        EXPECT_LE(sends[i](), 0) << "send " << i;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << "send " << i;
    }
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 2, 0), 0);
    EXPECT_TRUE(LogIs({}));
}

TEST_F(ListViewTest, ImageListsAreKeptByKindAndOwnedUnlessShared) {
    const size_t before = LiveImageListCount();
    for (const DWORD share : {DWORD{0}, LVS_SHAREIMAGELISTS}) {
        const HWND list = FilledList(LVS_REPORT | share);
        const HIMAGELIST small = ImageList_Create(16, 24, ILC_COLOR32, 1, 1);
        const HIMAGELIST state = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
        EXPECT_EQ(SendMessage(list, LVM_SETIMAGELIST, LVSIL_SMALL, Ptr(small)), 0);
        EXPECT_EQ(SendMessage(list, LVM_SETIMAGELIST, LVSIL_STATE, Ptr(state)), 0);
        EXPECT_EQ(SendMessage(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), Ptr(small));
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
}

TEST_F(ListViewTest, ExtendedStylesAndColoursAnswerWhatWasSetBefore) {
    const HWND list = CreateList();
    EXPECT_EQ(SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT), 0);
    EXPECT_EQ(SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES),
              static_cast<LRESULT>(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(SendMessage(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
              static_cast<LRESULT>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_EQ(SendMessage(list, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(RGB(255, 255, 255)));
    EXPECT_EQ(SendMessage(list, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(CLR_DEFAULT));
    EXPECT_EQ(SendMessage(list, LVM_SETTEXTCOLOR, 0, RGB(1, 2, 3)), TRUE);
    EXPECT_EQ(SendMessage(list, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(RGB(1, 2, 3)));
}

}  // namespace
}  // namespace winport::test
