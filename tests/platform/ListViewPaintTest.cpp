// Rows on screen: owner drawing and custom drawing when the list paints, row geometry under the
// header, hit testing, scrolling rows into view, and what the window dump shows.

#include <tuple>

#include "ListViewTestSupport.h"
#include "platform/controls/Paint.h"
#include "platform/gdi/ImageList.h"

namespace winport::test {
namespace {

constexpr DWORD kOwnerDrawn = LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER;

RECT ItemRect(HWND list, int row, LONG portion) {
    RECT rect{portion, 0, 0, 0};
    EXPECT_EQ(SendMessage(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), Ptr(&rect)), TRUE);
    return rect;
}

std::pair<int, UINT> Hit(HWND list, LONG x, LONG y) {
    LVHITTESTINFO info;
    info.pt = POINT{x, y};
    const auto row = static_cast<int>(SendMessage(list, LVM_HITTEST, 0, Ptr(&info)));
    EXPECT_EQ(row, info.iItem);
    return {row, info.flags};
}

LRESULT TopIndex(HWND list) {
    return SendMessage(list, LVM_GETTOPINDEX, 0, 0);
}

TEST_F(ListViewTest, AnOwnerDrawnListIsMeasuredOnceDrawsVisibleRowsAndRedrawsOnlyWhatIsNamed) {
    log.AnswerMeasure(24);
    const HWND list = CreateControl(WC_LISTVIEW, kOwnerDrawn, kListId, "list", "", 200, 60);
    EXPECT_TRUE(LogIs({"MEASUREITEM"}));
    AddColumn(list, "Kind", 60);
    AddColumn(list, "Mail", 100);
    for (int row = 0; row < 4; ++row) AddRow(list, {"r"}, row + 1);
    SetState(list, 1, kSelectedFocused);
    log.Clear();
    EXPECT_TRUE(PaintWindow(list));
    // 60 pixels show rows 0 and 1 and the top of row 2; the focus shows only with the focus.
    EXPECT_TRUE(LogIs({"CUSTOMDRAW PREPAINT", "DRAWITEM 0 - data=1 0,0,160,24",
                       "DRAWITEM 1 S data=2 0,24,160,48", "DRAWITEM 2 - data=3 0,48,160,72"}));
    SetFocus(list);
    log.Clear();
    EXPECT_TRUE(PaintWindow(list));
    EXPECT_EQ(log.Lines()[2], "DRAWITEM 1 SF data=2 0,24,160,48");

    log.AnswerMeasure(0);
    const HWND redrawn = CreateList(kOwnerDrawn);
    AddColumn(redrawn, "Kind", 60);
    for (int row = 0; row < 3; ++row) AddRow(redrawn, {"r"}, row + 1);
    log.AnswerDraw(CDDS_PREPAINT, CDRF_NOTIFYITEMDRAW);
    log.AnswerDraw(CDDS_ITEMPREPAINT, CDRF_SKIPDEFAULT);  // The parent paints row 0 itself...
    log.Clear();
    EXPECT_EQ(SendMessage(redrawn, LVM_UPDATE, 0, 0), TRUE);
    EXPECT_TRUE(LogIs({"CUSTOMDRAW PREPAINT", "CUSTOMDRAW ITEMPREPAINT 0"}));
    log.AnswerDraw(CDDS_ITEMPREPAINT, CDRF_NOTIFYPOSTPAINT);  // ...and follows the others.
    log.Clear();
    EXPECT_EQ(SendMessage(redrawn, LVM_REDRAWITEMS, 1, 7), TRUE);
    EXPECT_TRUE(
        LogIs({"CUSTOMDRAW PREPAINT", "CUSTOMDRAW ITEMPREPAINT 1", "DRAWITEM 1 - data=2 0,17,60,34",
               "CUSTOMDRAW ITEMPOSTPAINT 1", "CUSTOMDRAW ITEMPREPAINT 2",
               "DRAWITEM 2 - data=3 0,34,60,51", "CUSTOMDRAW ITEMPOSTPAINT 2"}));
    // A hidden list paints nothing.
    ShowWindow(redrawn, SW_HIDE);
    log.Clear();
    EXPECT_EQ(SendMessage(redrawn, LVM_REDRAWITEMS, 0, 2), TRUE);
    EXPECT_TRUE(LogIs({}));
}

TEST_F(ListViewTest, CustomDrawAsksPerRowAndCellOnlyWhenTheParentAsksAndTheDumpShowsRows) {
    EXPECT_TRUE(PaintWindow(list));
    EXPECT_TRUE(LogIs({"CUSTOMDRAW PREPAINT"}));
    log.Clear();
    log.AnswerDraw(CDDS_PREPAINT, CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT);
    log.AnswerDraw(CDDS_ITEMPREPAINT, CDRF_NOTIFYSUBITEMDRAW);
    EXPECT_TRUE(PaintWindow(list));
    EXPECT_TRUE(LogIs({"CUSTOMDRAW PREPAINT", "CUSTOMDRAW ITEMPREPAINT 0",
                       "CUSTOMDRAW SUBITEM ITEMPREPAINT 0:0", "CUSTOMDRAW SUBITEM ITEMPREPAINT 0:1",
                       "CUSTOMDRAW ITEMPREPAINT 1", "CUSTOMDRAW SUBITEM ITEMPREPAINT 1:0",
                       "CUSTOMDRAW SUBITEM ITEMPREPAINT 1:1", "CUSTOMDRAW ITEMPREPAINT 2",
                       "CUSTOMDRAW SUBITEM ITEMPREPAINT 2:0", "CUSTOMDRAW SUBITEM ITEMPREPAINT 2:1",
                       "CUSTOMDRAW POSTPAINT"}));

    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    SendMessage(list, LVM_SETIMAGELIST, LVSIL_SMALL, Ptr(images));
    const LVITEMA item{.mask = LVIF_IMAGE | LVIF_TEXT,
                       .iItem = 1,
                       .pszText = const_cast<char*>("say \"hi\""),
                       .iImage = -1};
    SendMessage(list, LVM_SETITEM, 0, Ptr(&item));
    SetState(list, 2, kSelectedFocused);
    EXPECT_EQ(DumpWindowTree(list),
              "SysListView32 40 \"\" [columns \"Name\" 60 | \"Mail\" 100, "
              "row 0 \"a\" | \"x@y\" image=0, row 1 \"say \\\"hi\\\"\" | \"x@y\", "
              "row 2 \"c\" | \"x@y\" image=0 selected focused]\n");
}

TEST_F(ListViewTest, RowsLieUnderTheHeaderAndHitTestingFindsThemByRow) {
    const RECT first = ItemRect(list, 0, LVIR_BOUNDS);
    const LONG header = first.top;
    const LONG height = first.bottom - first.top;
    EXPECT_GT(header, 0);
    EXPECT_EQ(first, (RECT{0, header, 160, header + height}));
    EXPECT_EQ(ItemRect(list, 2, LVIR_LABEL),
              (RECT{0, header + 2 * height, 60, header + 3 * height}));
    EXPECT_EQ(ItemRect(list, 2, LVIR_SELECTBOUNDS), ItemRect(list, 2, LVIR_LABEL));
    SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    EXPECT_EQ(ItemRect(list, 2, LVIR_SELECTBOUNDS), ItemRect(list, 2, LVIR_BOUNDS));
    SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, 0);
    RECT bad{7, 0, 0, 0};
    EXPECT_EQ(SendMessage(list, LVM_GETITEMRECT, 0, Ptr(&bad)), FALSE);

    const LONG middle = header + height / 2;
    const std::tuple<POINT, int, UINT> hits[] = {
        {{30, middle}, 0, LVHT_ONITEMLABEL},
        {{30, middle + 2 * height}, 2, LVHT_ONITEMLABEL},
        {{30, middle + 3 * height}, -1, LVHT_NOWHERE},  // Below the last row.
        {{100, middle}, -1, LVHT_NOWHERE},              // The second column.
        {{30, 2}, -1, LVHT_ABOVE},                      // The header.
        {{-5, middle}, -1, LVHT_TOLEFT},
        {{30, 500}, -1, LVHT_BELOW},
    };
    for (const auto& [point, row, flags] : hits) {
        EXPECT_EQ(Hit(list, point.x, point.y), std::make_pair(row, flags))
            << point.x << "," << point.y;
    }
    // Without a header, the rows start at the top, and a small image list adds an image part.
    const HWND bare = FilledList(LVS_REPORT | LVS_NOCOLUMNHEADER);
    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    SendMessage(bare, LVM_SETIMAGELIST, LVSIL_SMALL, Ptr(images));
    EXPECT_EQ(Hit(bare, 5, 2), std::make_pair(0, LVHT_ONITEMICON));
    EXPECT_EQ(Hit(bare, 30, 2), std::make_pair(0, LVHT_ONITEMLABEL));
}

TEST_F(ListViewTest, RowsScrollIntoViewWhenFocusedEnsuredOrClicked) {
    const HWND list = CreateList(LVS_REPORT | LVS_SINGLESEL);
    AddColumn(list, "Name", 80);
    for (int row = 0; row < 20; ++row) AddRow(list, {"row " + std::to_string(row)});
    const RECT first = ItemRect(list, 0, LVIR_BOUNDS);
    const auto perPage = static_cast<int>(SendMessage(list, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_EQ(perPage, (120 - first.top) / (first.bottom - first.top));
    EXPECT_EQ(SendMessage(list, LVM_ENSUREVISIBLE, 15, FALSE), TRUE);
    EXPECT_EQ(TopIndex(list), 15 - perPage + 1);
    EXPECT_LE(ItemRect(list, 15, LVIR_BOUNDS).bottom, 120);
    EXPECT_EQ(SendMessage(list, LVM_ENSUREVISIBLE, 2, FALSE), TRUE);
    EXPECT_EQ(TopIndex(list), 2);
    // The row cut off at the bottom is visible enough when the caller accepts part of it.
    EXPECT_EQ(SendMessage(list, LVM_ENSUREVISIBLE, 2 + perPage, TRUE), TRUE);
    EXPECT_EQ(TopIndex(list), 2);

    Agent agent;
    ASSERT_TRUE(agent.SelectListViewRow(list, 19));
    EXPECT_EQ(State(list, 19), kSelectedFocused);
    EXPECT_EQ(TopIndex(list), 20 - perPage);
    ASSERT_TRUE(agent.PressKeyInListView(list, VK_HOME));
    EXPECT_EQ(TopIndex(list), 0);
    // Deleting rows never leaves the view past the end.
    SendMessage(list, LVM_ENSUREVISIBLE, 19, FALSE);
    for (int row = 19; row >= 10; --row) SendMessage(list, LVM_DELETEITEM, row, 0);
    EXPECT_EQ(TopIndex(list), 10 - perPage);
}

}  // namespace
}  // namespace winport::test
