// Where a report list's rows lie: a header band at the top (unless LVS_NOCOLUMNHEADER), then rows
// of one fixed height from the top index down. Column 0 holds the state image, the small image and
// the label.
#pragma once

#include "platform/controls/ListViewApi.h"
#include "platform/controls/listview/ListViewItems.h"
#include "platform/gdi/ImageList.h"

namespace winport {

// What a list view was told about its looks.
struct ListViewLooks {
    DWORD extendedStyle = 0;
    HIMAGELIST normalImages = nullptr;
    HIMAGELIST smallImages = nullptr;
    HIMAGELIST stateImages = nullptr;
};

class ListViewGeometry {
public:
    // Select: a point outside a full row must lie on the first column's image or label.
    enum class HitMode { Select, Notify };

    // Borrows |items| and |looks|: both belong to the list view, which outlives this.
    ListViewGeometry(HWND hwnd, const ListViewItems& items, const ListViewLooks& looks)
        : m_hwnd(hwnd), m_items(items), m_looks(looks) {}
    ListViewGeometry(const ListViewGeometry&) = delete;
    ListViewGeometry& operator=(const ListViewGeometry&) = delete;

    // Rows follow the font and the image lists unless the owner measured them.
    void UpdateRowHeight();
    // The owner's answer to WM_MEASUREITEM; kept when it changes the height.
    void TakeMeasuredHeight(int height);
    int RowHeight() const { return m_rowHeight; }
    int RowTop(int row) const;

    int TopIndex() const { return m_topIndex; }
    void ScrollToTop() { m_topIndex = 0; }
    int CountPerPage() const;
    // The last row that shows, even cut off at the bottom.
    int LastVisibleRow() const;
    // Keeps the view from running past the last row.
    void ClampTopIndex();
    // Scrolls the least that brings |row| whole into the page.
    void EnsureVisible(int row);

    // The LVIR_ |portion| of |row|; false for an unknown portion.
    bool PortionRect(int row, LONG portion, RECT& rect) const;
    // The row at |point|, or -1, with the LVHT_ flags and the column it lies in.
    int HitTest(POINT point, HitMode mode, UINT* flags, int* column) const;

private:
    int HeaderHeight() const;
    RECT ListArea() const;

    HWND m_hwnd;
    const ListViewItems& m_items;
    const ListViewLooks& m_looks;
    int m_topIndex = 0;
    int m_rowHeight = 1;
    int m_measuredHeight = 0;  // The owner's answer to WM_MEASUREITEM, when it changed the height.
    int m_fontHeight = 0;
};

}  // namespace winport
