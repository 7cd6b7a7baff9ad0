// The host library's controls, each subclassing its control in a dialog that holds one of each
// kind: the list with its columns, rows and images, the bitmap button, the list box with images,
// the edit that reports a double click, and the rich edit that can follow its end.
#include <gtest/gtest.h>

#include <algorithm>

#include "BCDialogTestSupport.h"
#include "hostlib/controls/BCBitmapButton.h"
#include "hostlib/controls/BCBmpListBox.h"
#include "hostlib/controls/BCCatchDblClickEdit.h"
#include "hostlib/controls/BCListCtrl.h"
#include "hostlib/controls/BCRichEditCtrl.h"
#include "platform/core/LastError.h"
#include "platform/gdi/Icon.h"

namespace {

class BCListCtrlTest : public bctest::ControlsFixture {
protected:
    void SetUp() override {
        ControlsFixture::SetUp();
        ASSERT_TRUE(m_list.SubclassDlgItem(bctest::kList, m_host));
        m_list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL,
                           reinterpret_cast<LPARAM>(static_cast<HIMAGELIST>(m_images)));
    }
    std::string Cell(int row, int column) {
        return bctest::ListViewCell(m_list.m_hWnd, row, column);
    }
    std::string ColumnTitle(int column) {
        char text[64] = {};
        LVCOLUMNA info{.mask = LVCF_TEXT, .pszText = text, .cchTextMax = sizeof text};
        m_list.SendMessage(LVM_GETCOLUMN, static_cast<WPARAM>(column),
                           reinterpret_cast<LPARAM>(&info));
        return text;
    }
    LPARAM Data(int row) {
        LVITEMA item{.mask = LVIF_PARAM, .iItem = row};
        m_list.SendMessage(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
        return item.lParam;
    }

    bctest::ScopedImageList m_images{16, 8};
    BCListCtrl m_list;
};

// Columns append whatever index past the end is given; rows carry their cells, data and image.
TEST_F(BCListCtrlTest, RowsCarryTheirCellsDataAndImageAndChangeInPlace) {
    EXPECT_EQ(m_list.AddColumn("Default", LVCFMT_LEFT, 20, -1), 0);
    EXPECT_EQ(m_list.AddColumn("Kind", LVCFMT_LEFT, 60, 1), 1);
    EXPECT_EQ(m_list.AddColumn("Email", LVCFMT_LEFT, 120, 5), 2);
    EXPECT_EQ(ColumnTitle(0) + "|" + ColumnTitle(1) + "|" + ColumnTitle(2), "Default|Kind|Email");
    EXPECT_EQ(m_list.SendMessage(LVM_GETCOLUMNWIDTH, 2), 120);
    int record = 0;
    const int row = m_list.AddItem(-1, 0, "", 5, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(m_list.AddItem(row, 1, "Primary"), 0);
    EXPECT_EQ(m_list.AddItem(row, 2, "ann@example.org"), 0);
    EXPECT_EQ(m_list.AddItem(-1, 0, "", -1, 0), 1);
    EXPECT_EQ(m_list.AddItem(0, 0, "first", -1, 7), 0);  // Inserted before the others.

    EXPECT_EQ(Cell(1, 1) + "|" + Cell(1, 2), "Primary|ann@example.org");
    EXPECT_EQ(Data(1), reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(m_list.GetItemAsImage(1), 5);
    EXPECT_EQ(m_list.GetItemAsImage(2), -1);
    EXPECT_EQ(m_list.GetItemAsImage(9), -1);
    EXPECT_EQ(m_list.AddItem(9, 1, "nowhere"), -1);
    // The image comes back as a new icon only when the row has one.
    const HICON icon = m_list.GetItemAsIcon(1);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(m_list.GetItemAsIcon(2), nullptr);

    // An update changes a row's image and text in place and keeps its data; a reset empties the
    // list.
    EXPECT_TRUE(m_list.UpdateItem(1, 0, "", 3));
    EXPECT_TRUE(m_list.UpdateItem(1, 1, "More"));
    EXPECT_EQ(m_list.GetItemAsImage(1), 3);
    EXPECT_EQ(Cell(1, 1), "More");
    EXPECT_EQ(Data(1), reinterpret_cast<LPARAM>(&record));
    EXPECT_FALSE(m_list.UpdateItem(4, 0, "", 1));
    m_list.ResetList();
    EXPECT_EQ(m_list.SendMessage(LVM_GETITEMCOUNT), 0);
    EXPECT_EQ(m_list.AddItem(-1, 0, "again", -1, 0), 0);
}

using BCControlsTest = bctest::ControlsFixture;

// The button shows the chosen image of its list, and refuses what it cannot show: a list
// before its window exists, a list other than the first, an image the list does not have.
TEST_F(BCControlsTest, BitmapButtonShowsTheChosenImageOfTheList) {
    bctest::ScopedImageList images{16, 60};
    BCBitmapButton button;
    EXPECT_FALSE(button.SetImageList(0, images, 1, TRUE));  // No window yet.
    ASSERT_TRUE(button.SubclassDlgItem(bctest::kButton, m_host));
    EXPECT_EQ(button.SendMessage(BM_GETIMAGE, IMAGE_ICON), 0);
    EXPECT_FALSE(button.SetImageList(1, images, 1, TRUE));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(button.SetImageList(0, images, 60, TRUE));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(button.SendMessage(BM_GETIMAGE, IMAGE_ICON), 0);
    ASSERT_TRUE(button.SetImageList(0, images, 50, TRUE));
    const LRESULT first = button.SendMessage(BM_GETIMAGE, IMAGE_ICON);
    EXPECT_NE(first, 0);
    ASSERT_TRUE(button.SetImageList(0, images, 6, TRUE));
    EXPECT_NE(button.SendMessage(BM_GETIMAGE, IMAGE_ICON), 0);
}

TEST_F(BCControlsTest, ImageListBoxRowsGrowToTheImageHeight) {
    BCBmpListBox box;
    ASSERT_TRUE(box.SubclassDlgItem(bctest::kListBox, m_host));
    const LRESULT textHeight = box.SendMessage(LB_GETITEMHEIGHT);
    ASSERT_LT(textHeight, 42);
    bctest::ScopedImageList tall(40, 2);
    box.SetImageList(tall);
    EXPECT_EQ(box.GetImageList(), static_cast<HIMAGELIST>(tall));
    EXPECT_EQ(box.SendMessage(LB_GETITEMHEIGHT), 42);

    bctest::ScopedImageList small(4, 2);  // Smaller images leave the rows as they are.
    box.SetImageList(small);
    EXPECT_EQ(box.SendMessage(LB_GETITEMHEIGHT), 42);

    // A list box made later: the parent reflects its measure request, with the images given
    // before the window existed.
    bctest::ScopedImageList images(30, 2);
    BCBmpListBox made;
    made.SetImageList(images);
    const RECT rect{5, 5, 105, 85};
    ASSERT_TRUE(made.CreateEx(0, kListBoxClassName, "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED,
                              rect, m_host, 3001));
    EXPECT_EQ(made.SendMessage(LB_GETITEMHEIGHT), 32);
}

// A double click tells the parent and leaves the text; a plain edit sends nothing.
TEST_F(BCControlsTest, DoubleClickEditTellsTheParent) {
    winport::Agent agent;
    const std::pair<int, UINT> doubleClick{bctest::kEdit, NM_DBLCLK};
    ASSERT_TRUE(agent.DoubleClick(Item(bctest::kEdit)));
    EXPECT_EQ(std::count(m_host->notifications.begin(), m_host->notifications.end(), doubleClick),
              0);
    BCCatchDblClickEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(bctest::kEdit, m_host));
    ASSERT_TRUE(agent.Type(edit.m_hWnd, "+47 555"));
    m_host->notifications.clear();
    ASSERT_TRUE(agent.DoubleClick(edit.m_hWnd));
    EXPECT_EQ(std::count(m_host->notifications.begin(), m_host->notifications.end(), doubleClick),
              1);
    EXPECT_EQ(winport::GetWindowTextUtf8(edit.m_hWnd), "+47 555");
}

// Asked to follow the end, the caret stays there (nothing lies beyond it); otherwise it stays at
// the start until moved.
TEST_F(BCControlsTest, RichEditCaretFollowsTheEndWhenAsked) {
    const auto selection = [](const CWnd& edit) {
        DWORD start = 0;
        DWORD end = 0;
        edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
        return std::pair{start, end};
    };
    BCRichEditCtrl following(nullptr, 1);
    ASSERT_TRUE(following.SubclassDlgItem(bctest::kRichEdit, m_host));
    following.SetText("Chess club\r\nOrchestra");
    EXPECT_NE(winport::GetWindowTextUtf8(following.m_hWnd).find("Orchestra"), std::string::npos);
    const auto [start, end] = selection(following);
    EXPECT_EQ(start, end);
    EXPECT_GT(end, 0u);
    following.SendMessage(EM_SETSEL, end, end + 5);
    EXPECT_EQ(selection(following), (std::pair<DWORD, DWORD>{end, end}));
    following.UnsubclassWindow();

    BCRichEditCtrl plain(nullptr, 0);
    ASSERT_TRUE(plain.SubclassDlgItem(bctest::kRichEdit, m_host));
    plain.SetText("Orchestra");
    EXPECT_EQ(selection(plain).second, 0u);
    plain.MoveToEnd();
    EXPECT_EQ(selection(plain), (std::pair<DWORD, DWORD>{9, 9}));
}

}  // namespace
