#include <tuple>

#include "ListBoxTestSupport.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ListBoxState.h"
#include "platform/controls/Paint.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SystemColors.h"
#include "platform/window/StateDescription.h"

namespace winport::test {
namespace {

constexpr int kListId = 40;
constexpr int kRowHeight = 16;  // The system font's height: a list without WM_SETFONT uses it.

class ListBoxTest : public ControlParentTest {
protected:
    HWND CreateList(DWORD style, int height = 4 * kRowHeight) {
        return CreateControl("ListBox", style, kListId, "list", "", 100, height);
    }
    HWND CreateFilledList(DWORD style, const std::vector<const char*>& texts) {
        const HWND list = CreateList(style);
        for (const char* text : texts) Add(list, text);
        log.Clear();
        return list;
    }
    static LRESULT Add(HWND box, const char* text, UINT add = LB_ADDSTRING) {
        return SendMessage(box, add, 0, Ptr(text));
    }
    static LPARAM RowPoint(HWND list, int row) {
        RECT rect{};
        SendMessage(list, LB_GETITEMRECT, row, Ptr(&rect));
        return At(rect.left + 5, rect.top + 1);
    }
    static LRESULT Selection(HWND list) { return SendMessage(list, LB_GETCURSEL, 0, 0); }

    ParentLog log{parent};
};

TEST_F(ListBoxTest, SortedInsertIgnoresCaseAndSortsAccentedAndGreekLettersBesideTheirKin) {
    const HWND list = CreateList(LBS_SORT);
    for (const char* text : {"beta", "Élan", "Zeta", "Ωμέγα", "alpha", "epsilon", "Alpha2", "ábc",
                             "10", "9", "_x", "Άλφα"}) {
        const LRESULT index = Add(list, text);
        ASSERT_NE(index, LB_ERR);
        EXPECT_EQ(ItemTexts(list)[static_cast<size_t>(index)], text) << "index of " << text;
    }
    EXPECT_EQ(ItemTexts(list), (Lines{"_x", "10", "9", "ábc", "alpha", "Alpha2", "beta", "Élan",
                                      "epsilon", "Zeta", "Άλφα", "Ωμέγα"}));
    // An unaccented text sorts before its accented twin, whichever came first.
    EXPECT_EQ(Add(list, "elan"), 7);
    // LB_INSERTSTRING puts the item where it is told, even in a sorted list.
    EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, 0, Ptr("zz")), 0);
    EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), Ptr("aa")), 14);
    EXPECT_EQ(ItemTexts(CreateFilledList(0, {"b", "a"})), (Lines{"b", "a"}));
    EXPECT_EQ(log.Log(), Lines{});
}

TEST_F(ListBoxTest, FindSearchesAfterTheStartAndWrapsIgnoringCaseInListsAndCombosAlike) {
    const HWND list =
        CreateFilledList(0, {"Apple", "apricot", "Banana", "apple pie", "Cherry", "Äpfel"});
    const HWND combo = CreateControl("ComboBox", CBS_DROPDOWNLIST, 41, "combo", "", 100, 100);
    for (const std::string& text : ItemTexts(list)) Add(combo, text.c_str(), CB_ADDSTRING);
    constexpr UINT kPrefix = LB_FINDSTRING;
    constexpr UINT kWhole = LB_FINDSTRINGEXACT;
    const std::tuple<UINT, int, const char*, LRESULT> finds[] = {
        {kPrefix, -1, "ap", 0},      {kPrefix, 0, "AP", 1},        {kPrefix, 1, "ap", 3},
        {kPrefix, 3, "ap", 0},       {kPrefix, 99, "b", 2},        {kPrefix, 4, "ch", 4},
        {kPrefix, -1, "äP", 5},      {kPrefix, -1, "x", LB_ERR},   {kPrefix, -1, "", LB_ERR},
        {kWhole, -1, "APPLE", 0},    {kWhole, 0, "apple", 0},      {kWhole, -1, "Apple Pie", 3},
        {kWhole, -1, "app", LB_ERR}, {kWhole, -1, "apfel", LB_ERR}};
    for (const auto& [message, start, text, expected] : finds) {
        const auto from = static_cast<WPARAM>(start);
        EXPECT_EQ(SendMessage(list, message, from, Ptr(text)), expected) << start << " " << text;
        const UINT comboMessage = message == kPrefix ? CB_FINDSTRING : CB_FINDSTRINGEXACT;
        EXPECT_EQ(SendMessage(combo, comboMessage, from, Ptr(text)), expected) << "combo";
    }
    EXPECT_EQ(Selection(list), LB_ERR);
}

TEST_F(ListBoxTest, BadIndexesAndNullTextAnswerLbErrAndChangeNothing) {
    const HWND list = CreateFilledList(LBS_NOTIFY | LBS_SORT, {"a", "b", "c"});
    SendMessage(list, LB_SETCURSEL, 1, 0);
    char buffer[16] = "untouched";
    RECT rect{};
    ExpectRefused(list, {
                            {LB_GETTEXT, 3, Ptr(buffer), ERROR_INVALID_INDEX},
                            {LB_GETTEXTLEN, 3, 0, ERROR_INVALID_INDEX},
                            {LB_GETITEMDATA, static_cast<WPARAM>(-2), 0, ERROR_INVALID_INDEX},
                            {LB_SETITEMDATA, 3, 7, ERROR_INVALID_INDEX},
                            {LB_DELETESTRING, 3, 0, ERROR_INVALID_INDEX},
                            {LB_INSERTSTRING, 4, Ptr("x"), ERROR_INVALID_INDEX},
                            {LB_SETCURSEL, 3, 0, ERROR_INVALID_INDEX},
                            {LB_SETTOPINDEX, 3, 0, ERROR_INVALID_INDEX},
                            {LB_GETITEMRECT, 5, Ptr(&rect), ERROR_INVALID_INDEX},
                            {LB_ADDSTRING, 0, 0, ERROR_INVALID_PARAMETER},
                            {LB_INSERTSTRING, 0, 0, ERROR_INVALID_PARAMETER},
                            {LB_FINDSTRING, 0, 0, ERROR_INVALID_PARAMETER},
                            {LB_FINDSTRINGEXACT, 0, 0, ERROR_INVALID_PARAMETER},
                            {LB_SELECTSTRING, 0, 0, ERROR_INVALID_PARAMETER},
                            {LB_GETTEXT, 0, 0, ERROR_INVALID_PARAMETER},
                        });
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(ItemTexts(list), (Lines{"a", "b", "c"}));
    EXPECT_EQ(Selection(list), 1);
    EXPECT_EQ(log.Log(), Lines{});
}

TEST_F(ListBoxTest, ItemDataAndTheProgramsSilentSelectionStayWithTheirItemsAsTheListChanges) {
    const HWND list = CreateFilledList(LBS_SORT, {"m"});
    EXPECT_EQ(SendMessage(list, LB_SETITEMDATA, 0, 0xFFFFFFFF), TRUE);
    SendMessage(list, LB_SETITEMDATA, Add(list, "a"), 1);
    SendMessage(list, LB_SETITEMDATA, Add(list, "z"), 26);
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 0, 0), 1);
    EXPECT_EQ(static_cast<DWORD>(SendMessage(list, LB_GETITEMDATA, 1, 0)), 0xFFFFFFFFu);
    EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 0, 0), 2);  // The count left.
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 1, 0), 26);
    // Texts count bytes, as the buffers they fill do.
    EXPECT_EQ(Add(list, "Ωμέγα"), 2);
    EXPECT_EQ(SendMessage(list, LB_GETTEXTLEN, 2, 0), 10);
    // A plain list tells its parent of deleted items that carry data only.
    log.Clear();
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(log.Log(), (Lines{"WM_DELETEITEM ODT_LISTBOX 1 data=26",
                                "WM_DELETEITEM ODT_LISTBOX 0 data=4294967295"}));

    // The program's selection is silent and follows its item.
    const HWND selecting = CreateFilledList(LBS_NOTIFY, {"a", "b", "c"});
    EXPECT_EQ(SendMessage(selecting, LB_SETCURSEL, 1, 0), 1);
    SendMessage(selecting, LB_INSERTSTRING, 0, Ptr("first"));
    EXPECT_EQ(Selection(selecting), 2);
    SendMessage(selecting, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(Selection(selecting), 1);
    EXPECT_EQ(SendMessage(selecting, LB_SELECTSTRING, static_cast<WPARAM>(-1), Ptr("C")), 2);
    EXPECT_EQ(Selection(selecting), 2);
    // -1 removes the selection and answers LB_ERR although nothing failed.
    EXPECT_EQ(SendMessage(selecting, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(Selection(selecting), LB_ERR);
    SendMessage(selecting, LB_SETCURSEL, 2, 0);
    SendMessage(selecting, LB_DELETESTRING, 2, 0);
    EXPECT_EQ(Selection(selecting), LB_ERR);
    EXPECT_EQ(log.Log(), Lines{});
}

TEST_F(ListBoxTest, APersonsClickOrKeySelectsTheRowReportsItAndAsksAParentThatWantsKeys) {
    const HWND list = CreateFilledList(LBS_NOTIFY, {"a", "b", "c", "d", "e", "f"});
    SendMessage(list, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(list, 2));
    EXPECT_EQ(std::tuple(Selection(list), log.Log()), std::tuple(2, Lines{"LBN_SETFOCUS"}));
    SendMessage(list, WM_LBUTTONUP, 0, RowPoint(list, 2));
    EXPECT_EQ(log.Log(), (Lines{"LBN_SETFOCUS", "LBN_SELCHANGE"}));
    // The same row again reports again; below the last row nothing happens.
    log.Clear();
    ClickAt(list, RowPoint(list, 2));
    EXPECT_EQ(log.Log(), Lines{"LBN_SELCHANGE"});
    // Rows are item-height tall from the top index.
    SendMessage(list, LB_SETTOPINDEX, 2, 0);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 2);
    ClickAt(list, At(5, kRowHeight + 1));
    EXPECT_EQ(Selection(list), 3);
    SendMessage(list, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, kRowHeight + 1));
    EXPECT_EQ(log.Log(), (Lines{"LBN_SELCHANGE", "LBN_SELCHANGE", "LBN_DBLCLK"}));

    const HWND quiet = CreateFilledList(0, {"a", "b"});
    ClickAt(quiet, RowPoint(quiet, 1));
    EXPECT_EQ(Selection(quiet), 1);
    EXPECT_EQ(log.Log(), (Lines{"LBN_KILLFOCUS", "LBN_SETFOCUS"}));

    const HWND keyed = CreateFilledList(LBS_NOTIFY, {"apple", "berry", "cherry"});
    KeyDown(keyed, VK_DOWN);
    KeyDown(keyed, VK_END);
    KeyDown(keyed, VK_DOWN);  // Already at the end: nothing changes.
    EXPECT_EQ(Selection(keyed), 2);
    SendMessage(keyed, WM_CHAR, 'B', 0);
    EXPECT_EQ(Selection(keyed), 1);
    EXPECT_EQ(log.Log(), (Lines{"LBN_SELCHANGE", "LBN_SELCHANGE", "LBN_SELCHANGE"}));

    const HWND asking = CreateFilledList(LBS_NOTIFY | LBS_WANTKEYBOARDINPUT, {"a", "b", "c"});
    log.AnswerKey(-2);  // The parent handled the key itself.
    KeyDown(asking, VK_DOWN);
    EXPECT_EQ(Selection(asking), LB_ERR);
    log.AnswerKey(2);  // The parent chooses the item.
    KeyDown(asking, VK_HOME);
    EXPECT_EQ(Selection(asking), 2);
    EXPECT_EQ(log.Log(),
              (Lines{"WM_VKEYTOITEM 40 caret=0", "WM_VKEYTOITEM 36 caret=0", "LBN_SELCHANGE"}));
}

class OwnerDrawnListBoxTest : public ListBoxTest {
protected:
    HWND CreateOwnerDrawn(int items) {
        log.AnswerHeight(20);
        const HWND list = CreateList(LBS_OWNERDRAWFIXED, 90);
        for (int i = 0; i < items; ++i) SendMessage(list, LB_ADDSTRING, 0, 100 + i);
        return list;
    }
};

TEST_F(OwnerDrawnListBoxTest, MeasuresAtCreationShowsWholeRowsAndDrawsTheVisibleOnesOnPaint) {
    const HWND list = CreateOwnerDrawn(6);
    EXPECT_EQ(log.Log(), Lines{"WM_MEASUREITEM ODT_LISTBOX 0 16"});
    EXPECT_EQ(SendMessage(list, LB_GETITEMHEIGHT, 0, 0), 20);
    EXPECT_EQ(ClientHeight(list), 80) << "a list shows whole rows";

    SendMessage(list, LB_SETCURSEL, 1, 0);
    SendMessage(list, LB_SETTOPINDEX, 1, 0);
    log.Clear();
    ASSERT_TRUE(PaintWindow(parent));
    EXPECT_EQ(log.Log(),
              (Lines{"WM_DRAWITEM 1 ODA_DRAWENTIRE ODS_SELECTED", "WM_DRAWITEM 2 ODA_DRAWENTIRE",
                     "WM_DRAWITEM 3 ODA_DRAWENTIRE", "WM_DRAWITEM 4 ODA_DRAWENTIRE"}));
    const DRAWITEMSTRUCT& row = log.Draws().at(1);
    EXPECT_EQ(std::tie(row.CtlType, row.CtlID, row.hwndItem, row.rcItem, row.itemData),
              std::make_tuple(ODT_LISTBOX, UINT{kListId}, list, RECT{0, 20, 100, 40}, 102u));
    EXPECT_NE(row.hDC, nullptr);

    ShowWindow(list, SW_HIDE);
    log.Clear();
    PaintWindow(parent);
    SendMessage(list, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(log.Log(), Lines{}) << "a hidden list draws nothing";

    // A plain list shows whole rows too unless its style says otherwise.
    const HWND fitted = CreateList(0, 90);
    const HWND free = CreateList(LBS_NOINTEGRALHEIGHT, 90);
    EXPECT_EQ(std::tuple(ClientHeight(fitted), ClientHeight(free)), std::tuple(80, 90));
    EXPECT_EQ(SendMessage(free, LB_SETITEMHEIGHT, 0, 256), LB_ERR);
    EXPECT_EQ(SendMessage(free, LB_SETITEMHEIGHT, 0, 30), LB_OKAY);
    EXPECT_EQ(SendMessage(free, LB_GETITEMHEIGHT, 0, 0), 30);
    // A dialog's font sets the height of plain rows, and the list fits them again.
    const HFONT font = CreateDialogFont();
    SendMessage(fitted, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(SendMessage(fitted, LB_GETITEMHEIGHT, 0, 0), 13);
    EXPECT_EQ(ClientHeight(fitted), 78);
    DestroyWindow(fitted);
    DeleteObject(font);
}

TEST_F(OwnerDrawnListBoxTest, SelectionAndFocusChangesRedrawTheirRowsAtOnce) {
    const HWND list = CreateOwnerDrawn(3);
    SetFocus(list);
    log.Clear();
    KeyDown(list, VK_DOWN);
    KeyDown(list, VK_DOWN);
    SetFocus(nullptr);
    EXPECT_EQ(log.Log(), (Lines{"WM_DRAWITEM 0 ODA_SELECT ODS_SELECTED",
                                "WM_DRAWITEM 0 ODA_FOCUS ODS_SELECTED", "WM_DRAWITEM 0 ODA_SELECT",
                                "WM_DRAWITEM 1 ODA_SELECT ODS_SELECTED",
                                "WM_DRAWITEM 1 ODA_FOCUS ODS_SELECTED ODS_FOCUS",
                                "WM_DRAWITEM 1 ODA_FOCUS ODS_SELECTED", "LBN_KILLFOCUS"}));
}

TEST_F(OwnerDrawnListBoxTest, WithoutStringsItKeepsDataSortsThroughTheParentAndDeletesThroughIt) {
    const HWND list = CreateList(LBS_OWNERDRAWFIXED | LBS_SORT);
    for (const LPARAM data : {30, 10, 20}) SendMessage(list, LB_ADDSTRING, 0, data);
    EXPECT_GT(log.compares, 0);
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 0, 0), 10);
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 2, 0), 30);
    ULONG_PTR data = 0;
    EXPECT_EQ(SendMessage(list, LB_GETTEXT, 1, Ptr(&data)), static_cast<LRESULT>(sizeof data));
    EXPECT_EQ(data, 20u);
    EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), 30), 2);
    log.Clear();
    SendMessage(list, LB_DELETESTRING, 1, 0);
    SendMessage(list, LB_ADDSTRING, 0, 0);
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    SendMessage(list, LB_ADDSTRING, 0, 5);
    DestroyWindow(list);
    EXPECT_EQ(log.Log(),
              (Lines{"WM_DELETEITEM ODT_LISTBOX 1 data=20", "WM_DELETEITEM ODT_LISTBOX 2 data=30",
                     "WM_DELETEITEM ODT_LISTBOX 1 data=10", "WM_DELETEITEM ODT_LISTBOX 0 data=0",
                     "WM_DELETEITEM ODT_LISTBOX 0 data=5"}));
}

TEST_F(ListBoxTest, ParentDestroyingTheListInsideANotificationEndsTheClick) {
    for (const WORD code : {LBN_SETFOCUS, LBN_SELCHANGE}) {
        SetFocus(nullptr);
        const HWND list = CreateFilledList(LBS_NOTIFY, {"a", "b"});
        log.DestroyOn(code);
        ClickAt(list, RowPoint(list, 1));
        EXPECT_FALSE(IsWindow(list));
        log.OnCommand(nullptr);
    }
}

TEST_F(ListBoxTest, AgentScrollsARowIntoSightAndClicksItAndTheDumpShowsItemsAndSelection) {
    Agent agent;
    const HWND list = CreateFilledList(LBS_NOTIFY, {"0", "1", "2", "3", "4", "5", "6", "7"});
    ASSERT_TRUE(agent.SelectListBoxRow(list, 6));
    EXPECT_EQ(Selection(list), 6);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 4) << "the last page shows";
    ASSERT_TRUE(agent.DoubleClickListBoxRow(list, 4));
    EXPECT_EQ(log.Log(), (Lines{"LBN_SETFOCUS", "LBN_SELCHANGE", "LBN_SELCHANGE", "LBN_DBLCLK"}));
    EXPECT_REFUSED(agent, SelectListBoxRow(list, 8), "ListBox 40 has no row 8");
    EnableWindow(list, FALSE);
    EXPECT_REFUSED(agent, SelectListBoxRow(list, 1), "ListBox 40 is disabled");

    // The dump shows the items and the selection.
    const HWND described = CreateFilledList(0, {"a \"b\"", "c"});
    SendMessage(described, LB_SETCURSEL, 1, 0);
    const DescribesState* description = FindStateDescription(described);
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(description->DescribeState(described), (Lines{R"(items=["a \"b\"", "c"])", "sel=1"}));
    for (int i = 0; i < 10; ++i) Add(described, "x");
    EXPECT_EQ(description->DescribeState(described).front(),
              R"(items=["a \"b\"", "c", "x", "x", "x", "x", "x", "x", "x", "x", ... 2 more])");
    // An owner-drawn row shows what its parent draws; this parent draws nothing.
    const HWND ownerDrawn = CreateList(LBS_OWNERDRAWFIXED);
    SendMessage(ownerDrawn, LB_ADDSTRING, 0, 7);
    EXPECT_EQ(FindStateDescription(ownerDrawn)->DescribeState(ownerDrawn),
              (Lines{"ownerdraw", R"(items=[""])"}));
    EXPECT_TRUE(FailsWith(GetListBoxState(parent), ERROR_INVALID_PARAMETER));
}

// A row of an owner-drawn list is what its parent draws on WM_DRAWITEM, in the row's rectangle
// with the list's font: the agent, the dump and a view read it so. Drawing on a context that is
// no longer live draws nothing.
TEST_F(ListBoxTest, AnOwnerDrawnRowIsWhatItsParentDraws) {
    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR, 2, 0);
    ImageList_SetImageCount(images, 2);
    HDC kept = nullptr;
    MessageHook drawing(parent, [&](const Message& m) -> std::optional<LRESULT> {
        if (m.id != WM_DRAWITEM) return std::nullopt;
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam);
        kept = draw->hDC;
        const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        FillRect(draw->hDC, &draw->rcItem, brush);
        DeleteObject(brush);
        ImageList_Draw(images, static_cast<int>(draw->itemData), draw->hDC, 2, draw->rcItem.top,
                       ILD_TRANSPARENT);
        SetTextColor(draw->hDC, RGB(9, 8, 7));
        const std::string text = "row " + std::to_string(draw->itemData);
        RECT rect = draw->rcItem;
        DrawText(draw->hDC, text.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER);
        return TRUE;
    });
    const HWND list = CreateList(LBS_OWNERDRAWFIXED);
    const LOGFONT bold{.lfHeight = -20, .lfWeight = FW_BOLD};
    const HFONT font = CreateFontIndirect(&bold);
    SendMessage(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const LPARAM data : {0, 1}) SendMessage(list, LB_ADDSTRING, 0, data);

    const std::optional<std::vector<DrawnShape>> row = DrawListBoxRow(list, 1);
    ASSERT_TRUE(row && row->size() == 3u);
    RECT rect{};
    SendMessage(list, LB_GETITEMRECT, 1, Ptr(&rect));
    const auto& fill = std::get<DrawnFill>((*row)[0]);
    EXPECT_EQ(std::tuple(fill.rect.top, fill.rect.bottom, fill.color),
              std::tuple(rect.top, rect.bottom, RGB(1, 2, 3)));
    const auto& image = std::get<DrawnImage>((*row)[1]);
    EXPECT_EQ(std::tuple(image.images, image.index, image.at.y), std::tuple(images, 1, rect.top));
    const auto& text = std::get<DrawnText>((*row)[2]);
    EXPECT_EQ(std::tuple(text.text, text.color, text.font.lfWeight),
              std::tuple("row 1", RGB(9, 8, 7), FW_BOLD));
    EXPECT_EQ(ListBoxRowText(list, 0), "row 0");
    EXPECT_TRUE(DumpShows(parent, R"(items=["row 0", "row 1"])"));
    EXPECT_EQ(DrawListBoxRow(list, 2), std::nullopt);
    EXPECT_EQ(DrawListBoxRow(CreateList(0), 0), std::nullopt);

    // The row's context is gone once the row is drawn.
    const RECT anywhere{0, 0, 5, 5};
    EXPECT_EQ(FillRect(kept, &anywhere, GetSysColorBrush(COLOR_WINDOW)), 0);
    EXPECT_EQ(SetTextColor(kept, 0), CLR_INVALID);
    EXPECT_FALSE(ImageList_Draw(images, 0, kept, 0, 0, ILD_NORMAL));
    const HDC screen = GetDC(list);
    EXPECT_EQ(SelectObject(screen, GetSysColorBrush(COLOR_WINDOW)), nullptr);
    EXPECT_NE(SelectObject(screen, font), nullptr) << "the system font it had";
    ReleaseDC(list, screen);
    DestroyWindow(list);
    DeleteObject(font);
    ImageList_Destroy(images);
}

}  // namespace
}  // namespace winport::test
