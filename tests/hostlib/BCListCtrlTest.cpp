#include "hostlib/controls/BCListCtrl.h"

#include <gtest/gtest.h>

#include "BCDialogTestSupport.h"
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
        char text[128] = {};
        LVITEMA item;
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        m_list.SendMessage(LVM_GETITEMTEXT, static_cast<WPARAM>(row),
                           reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::string ColumnTitle(int column) {
        char text[64] = {};
        LVCOLUMNA info;
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = sizeof(text);
        m_list.SendMessage(LVM_GETCOLUMN, static_cast<WPARAM>(column),
                           reinterpret_cast<LPARAM>(&info));
        return text;
    }
    LPARAM Data(int row) {
        LVITEMA item;
        item.mask = LVIF_PARAM;
        item.iItem = row;
        m_list.SendMessage(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
        return item.lParam;
    }

    bctest::ScopedImageList m_images{16, 8};
    BCListCtrl m_list;
};

TEST_F(BCListCtrlTest, ColumnsAppendWhateverIndexPastTheEndIsGiven) {
    EXPECT_EQ(m_list.AddColumn("Default", LVCFMT_LEFT, 20, -1), 0);
    EXPECT_EQ(m_list.AddColumn("Kind", LVCFMT_LEFT, 60, 1), 1);
    EXPECT_EQ(m_list.AddColumn("Email", LVCFMT_LEFT, 120, 5), 2);
    EXPECT_EQ(ColumnTitle(0), "Default");
    EXPECT_EQ(ColumnTitle(1), "Kind");
    EXPECT_EQ(ColumnTitle(2), "Email");
    EXPECT_EQ(m_list.SendMessage(LVM_GETCOLUMNWIDTH, 2), 120);
}

TEST_F(BCListCtrlTest, RowsCarryTheirCellsDataAndImage) {
    for (const char* title : {"Default", "Kind", "Email"}) m_list.AddColumn(title, 0, 50, -1);
    int record = 0;
    const int row = m_list.AddItem(-1, 0, "", 5, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(m_list.AddItem(row, 1, "Primary"), 0);
    EXPECT_EQ(m_list.AddItem(row, 2, "ann@example.org"), 0);
    EXPECT_EQ(m_list.AddItem(-1, 0, "", -1, 0), 1);
    EXPECT_EQ(m_list.AddItem(0, 0, "first", -1, 7), 0);  // Inserted before the others.

    EXPECT_EQ(Cell(1, 1), "Primary");
    EXPECT_EQ(Cell(1, 2), "ann@example.org");
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
}

TEST_F(BCListCtrlTest, UpdateItemChangesTextAndImageInPlaceAndResetEmptiesTheList) {
    m_list.AddColumn("Default", 0, 20, -1);
    m_list.AddColumn("Kind", 0, 60, -1);
    m_list.AddItem(-1, 0, "", -1, 42);
    m_list.AddItem(0, 1, "More");
    EXPECT_TRUE(m_list.UpdateItem(0, 0, "", 3));
    EXPECT_TRUE(m_list.UpdateItem(0, 1, "Primary"));
    EXPECT_EQ(m_list.GetItemAsImage(0), 3);
    EXPECT_EQ(Cell(0, 1), "Primary");
    EXPECT_EQ(Data(0), 42);
    EXPECT_FALSE(m_list.UpdateItem(4, 0, "", 1));
    m_list.ResetList();
    EXPECT_EQ(m_list.SendMessage(LVM_GETITEMCOUNT), 0);
    EXPECT_EQ(m_list.AddItem(-1, 0, "again", -1, 0), 0);
}

}  // namespace
